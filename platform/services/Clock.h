#pragma once

#include <chrono>

// Local wall-clock time, as the user's machine shows it: no time zone is attached.
using LocalTime = std::chrono::local_time<std::chrono::milliseconds>;

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
};

// The machine's clock (platform backend).
Clock& SystemClock();

// The clock in force: the system clock unless a test set another.
Clock& CurrentClock();
// Installs a clock (not owned); nullptr restores the system clock. Returns the one replaced.
Clock* SetClock(Clock* clock);

// A clock that stands still until told otherwise.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalTime now) : now_(now) {}
    LocalTime Now() const override { return now_; }
    void Set(LocalTime now) { now_ = now; }

private:
    LocalTime now_;
};
