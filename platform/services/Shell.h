#pragma once

#include <string>

// Opens a document or an address with whatever the desktop associates with it. The outcome
// is not reported: a missing document gives whatever the desktop does.
class Shell {
public:
    enum class Show { Normal, Maximized };
    virtual ~Shell() = default;
    // target: a file name (relative names are taken from the current folder) or an address
    // such as "mailto:..." or "http://...".
    virtual void Open(const std::string& target, Show show = Show::Normal) = 0;
};

// The Shell in force. Raises std::logic_error when none has been installed.
Shell& CurrentShell();
// Installs a shell (not owned); nullptr removes it. Returns the one replaced.
Shell* SetShell(Shell* shell);
