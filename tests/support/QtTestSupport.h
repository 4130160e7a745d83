#pragma once

#include "platform/services/Paths.h"
#include "platform/services/Shell.h"
#include "support/TestSupport.h"

#include <QString>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QDialog;

// A shell that only writes down what it was asked to open.
class RecordingShell final : public Shell {
public:
    explicit RecordingShell(EventLog& log) : log_(log) {}
    void Open(const std::string& target, Show show) override
    {
        log_.push_back("open:" + target + (show == Show::Maximized ? " maximized" : ""));
    }

private:
    EventLog& log_;
};

// Everything a window test needs around the windows: scripted dialogs, a fixed clock, the
// program and temporary folders in a fresh test folder that is also the current folder (as
// the program is started in its own folder), the decimal comma of a Russian desktop, the
// real clipboard, a modal runner that logs "modal:<objectName>" and runs `onModal` instead
// of a modal loop, and recorders for starting programs, power, the CD drives (none until a
// test adds some) and the tray icon. Restores it all at the end.
class WindowTestEnvironment {
public:
    explicit WindowTestEnvironment(LocalTime now);
    ~WindowTestEnvironment();

    EventLog log;
    TempDir folder;
    FixedClock clock;
    std::function<void(QDialog&)> onModal;
    RecordingProcesses processes{log};
    RecordingPower power{log};
    RecordingCdDrives cdDrives{log};
    RecordingTray tray{log};

    std::string ProgramFile(const char* name) const;
    // The answers to the questions to come, in order; No when they run out.
    std::deque<bool>& answers() { return dialogs_.answers; }

private:
    ScriptedDialogs dialogs_;
    RecordingShell shell_;
    std::unique_ptr<FixedPaths> paths_;
    std::unique_ptr<class QtClipboard> clipboard_;
    std::filesystem::path previousFolder_;
};
