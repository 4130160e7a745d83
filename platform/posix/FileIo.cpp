#include "platform/FileIo.h"

#include "platform/Errors.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::intptr_t kClosed = -1;

[[noreturn]] void Fail(int code, const std::filesystem::path& path)
{
    throw IoError(code, IoErrorText(code, path));
}
} // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::string(utf8));
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
    return path.string();
}

std::string IoErrorText(int code, const std::filesystem::path& path)
{
    const std::string name = "«" + Utf8FromPath(path) + "»";
    switch (code) {
    case ENOENT:
        return "Файл не найден: " + name;
    case EACCES:
    case EPERM:
        return "Нет доступа к файлу " + name;
    case ENOSPC:
        return "Нет места на диске для файла " + name;
    case ELOOP:
        return "Файл " + name + " оказался символической ссылкой";
    case EISDIR:
        return name + " - это папка, а не файл";
    default:
        return "Ошибка ввода-вывода " + std::to_string(code) + " с файлом " + name;
    }
}

namespace {
int OpenReadFd(const std::filesystem::path& path, int flags)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
    if (fd < 0)
        Fail(errno, path);
    // Linux opens a folder for reading; refuse it here, as Windows does, so that a caller
    // never goes on to create its output before the first read fails.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        const int code = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        Fail(code, path);
    }
    return fd;
}
} // namespace

File File::OpenRead(const std::filesystem::path& path)
{
    return File(OpenReadFd(path, 0), path);
}

File File::OpenReadNoFollow(const std::filesystem::path& path)
{
    return File(OpenReadFd(path, O_NOFOLLOW), path);
}

File File::CreateWrite(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        Fail(errno, path);
    return File(fd, path);
}

File::File(File&& other) noexcept : handle_(other.handle_), path_(std::move(other.path_))
{
    other.handle_ = kClosed;
}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        if (handle_ != kClosed)
            ::close(static_cast<int>(handle_));
        handle_ = other.handle_;
        path_ = std::move(other.path_);
        other.handle_ = kClosed;
    }
    return *this;
}

File::~File()
{
    if (handle_ != kClosed)
        ::close(static_cast<int>(handle_));
}

std::size_t File::Read(char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(handle_), buffer, size);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            Fail(errno, path_);
    }
}

void File::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(static_cast<int>(handle_), bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno, path_);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

void File::Sync()
{
    if (::fsync(static_cast<int>(handle_)) != 0)
        Fail(errno, path_);
}

void File::Close()
{
    if (handle_ == kClosed)
        return;
    const int fd = static_cast<int>(handle_);
    handle_ = kClosed;
    if (::close(fd) != 0 && errno != EINTR)
        Fail(errno, path_);
}

void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        Fail(errno, to);
}
