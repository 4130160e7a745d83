#pragma once

#include <string>
#include <vector>

// Starts other programs. Every argument arrives in the started program exactly as given, one
// argument each: no shell sees them, so blanks, quotes and shell characters mean nothing.
// Whether the program exists or started is not reported.
class Processes {
public:
    virtual ~Processes() = default;
    virtual void Start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

// The machine's way of starting programs (platform backend).
Processes& SystemProcesses();

// The Processes in force. Raises std::logic_error when none has been installed.
Processes& CurrentProcesses();
// Installs a starter (not owned); nullptr removes it. Returns the one replaced.
Processes* SetProcesses(Processes* processes);
