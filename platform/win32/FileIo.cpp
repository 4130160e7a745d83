#include "platform/FileIo.h"

#include "platform/Errors.h"

#include <windows.h>

namespace {
const std::intptr_t kClosed = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);

HANDLE AsHandle(std::intptr_t h)
{
    return reinterpret_cast<HANDLE>(h);
}

[[noreturn]] void Fail(DWORD code, const std::filesystem::path& path)
{
    throw IoError(static_cast<int>(code), IoErrorText(static_cast<int>(code), path));
}
} // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

std::string IoErrorText(int code, const std::filesystem::path& path)
{
    const std::string name = "«" + Utf8FromPath(path) + "»";
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "Файл не найден: " + name;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return "Нет доступа к файлу " + name;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "Нет места на диске для файла " + name;
    default:
        return "Ошибка ввода-вывода " + std::to_string(code) + " с файлом " + name;
    }
}

File File::OpenRead(const std::filesystem::path& path)
{
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        Fail(::GetLastError(), path);
    return File(reinterpret_cast<std::intptr_t>(h), path);
}

File File::OpenReadNoFollow(const std::filesystem::path& path)
{
    return OpenRead(path);
}

File File::CreateWrite(const std::filesystem::path& path)
{
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        Fail(::GetLastError(), path);
    return File(reinterpret_cast<std::intptr_t>(h), path);
}

File::File(File&& other) noexcept : handle_(other.handle_), path_(std::move(other.path_))
{
    other.handle_ = kClosed;
}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        if (handle_ != kClosed)
            ::CloseHandle(AsHandle(handle_));
        handle_ = other.handle_;
        path_ = std::move(other.path_);
        other.handle_ = kClosed;
    }
    return *this;
}

File::~File()
{
    if (handle_ != kClosed)
        ::CloseHandle(AsHandle(handle_));
}

std::size_t File::Read(char* buffer, std::size_t size)
{
    const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    DWORD got = 0;
    if (!::ReadFile(AsHandle(handle_), buffer, chunk, &got, nullptr))
        Fail(::GetLastError(), path_);
    return got;
}

void File::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(AsHandle(handle_), bytes.data(), chunk, &written, nullptr))
            Fail(::GetLastError(), path_);
        bytes.remove_prefix(written);
    }
}

void File::Sync()
{
    if (!::FlushFileBuffers(AsHandle(handle_)))
        Fail(::GetLastError(), path_);
}

void File::Close()
{
    if (handle_ == kClosed)
        return;
    HANDLE h = AsHandle(handle_);
    handle_ = kClosed;
    if (!::CloseHandle(h))
        Fail(::GetLastError(), path_);
}

void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Fail(::GetLastError(), to);
}
