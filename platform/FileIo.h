#pragma once

#include "platform/text/ByteSource.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// File names travel through the logic as UTF-8 texts; these turn them into paths the
// system understands (wide on Windows) and back.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// A binary file opened for one command and closed at its end. Every failure raises
// IoError with the system's error code.
class File final : public ByteSource {
public:
    static File OpenRead(const std::filesystem::path& path);
    // The same for a file of our own temporary folder: on Linux a symbolic link in its place
    // is refused (ELOOP) rather than followed.
    static File OpenReadNoFollow(const std::filesystem::path& path);
    // Creates the file or truncates it. On Linux a symbolic link in its place is not
    // followed, and a new file is readable by its owner only.
    static File CreateWrite(const std::filesystem::path& path);

    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() override;

    std::size_t Read(char* buffer, std::size_t size) override;
    // Everything from the current position to the end.
    std::string ReadAll();
    void Write(std::string_view bytes);
    // Pushes what was written down to the disk, so that a rename that follows never puts
    // a file in place whose content the system still holds only in memory.
    void Sync();
    // Closes now and reports a failure (a full disk shows up here); the destructor
    // closes silently.
    void Close();

private:
    File(std::intptr_t handle, std::filesystem::path path) : handle_(handle), path_(std::move(path)) {}

    std::intptr_t handle_;
    std::filesystem::path path_;
};

inline std::string File::ReadAll()
{
    std::string data;
    char buffer[64 * 1024];
    for (std::size_t n; (n = Read(buffer, sizeof buffer)) != 0;)
        data.append(buffer, n);
    return data;
}

// Moves `from` over `to` in one step: a reader sees either the old `to` or the whole new
// one, never a mixture. Raises IoError naming `to`.
void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);

// The readable Russian text of a system error, as the error box shows it.
std::string IoErrorText(int code, const std::filesystem::path& path);
