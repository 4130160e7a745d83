#pragma once

// Ends the user's work on the machine. Nothing asks for confirmation here, and a failure
// (no right to do it, no service to ask) leaves everything as it was without a word.
enum class PowerAction { PowerOff, Restart, LogOff };

class Power {
public:
    virtual ~Power() = default;
    virtual void Perform(PowerAction action) = 0;
};

// The machine's own (platform backend). Tests never reach it: they install a recorder.
Power& SystemPower();

// The Power in force. Raises std::logic_error when none has been installed, so a test that
// forgot its recorder fails instead of switching the machine off.
Power& CurrentPower();
// Installs a power service (not owned); nullptr removes it. Returns the one replaced.
Power* SetPower(Power* power);
