#pragma once
// A scratch folder of the fuzz run's own, made on first use and removed when the process ends.

#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

inline const std::filesystem::path& FuzzFolder(const char* name)
{
    static const struct Owned {
        explicit Owned(const char* name)
            : path(std::filesystem::temp_directory_path() /
                   ("ortavi-fuzz-" + std::string(name) + "-" + std::to_string(::getpid())))
        {
            std::filesystem::create_directories(path);
        }
        ~Owned()
        {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
        std::filesystem::path path;
    } folder(name);
    return folder.path;
}
