#pragma once

#include <string>
#include <string_view>

// Where the program's own files and its temporary plain copies live. Both folders are
// UTF-8 texts that end with the system's folder separator, so a bare name can follow.
class Paths {
public:
    virtual ~Paths() = default;
    // The folder of the running executable.
    virtual std::string ProgramFolder() const = 0;
    // The user's temporary folder (on Linux a private per-user folder, mode 0700). Raises
    // IoError when no such folder can be had.
    virtual std::string TempFolder() const = 0;
};

// The machine's folders (platform backend).
Paths& SystemPaths();

// The folders in force: the system's unless a test set others.
Paths& CurrentPaths();
// Installs folders (not owned); nullptr restores the system's. Returns the ones replaced.
Paths* SetPaths(Paths* paths);

// Folders a test chooses; a missing trailing separator is added.
class FixedPaths final : public Paths {
public:
    FixedPaths(std::string programFolder, std::string tempFolder);
    std::string ProgramFolder() const override { return program_; }
    std::string TempFolder() const override { return temp_; }

private:
    std::string program_;
    std::string temp_;
};

// The folder followed by the relative name. A name written with Windows separators
// ("Data\Oven.dat") is turned into the system's own.
std::string JoinProgramPath(std::string_view folder, std::string_view name);
