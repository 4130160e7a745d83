#include "platform/TempFolder.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Makes sure the folder is a real folder (not a link), owned by this user and open to
// nobody else, and makes it so when only the mode is wrong (a umask can take bits away
// from a new folder, and an old one may have been opened up). Works on the opened folder,
// so the check and the change concern the same thing even if the name is swapped between.
bool MakePrivate(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st{};
    const bool ok = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
                    ((st.st_mode & 07777) == 0700 || ::fchmod(fd, 0700) == 0);
    ::close(fd);
    return ok;
}

std::optional<std::string> PrivateFolderIn(std::string root)
{
    if (root.back() != '/')
        root += '/';
    const std::string preferred = root + "ortavi-" + std::to_string(::geteuid());
    if ((::mkdir(preferred.c_str(), 0700) == 0 || errno == EEXIST) && MakePrivate(preferred))
        return preferred + "/";
    // The usual name is taken by something we cannot trust: make a fresh one.
    std::string pattern = preferred + "-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr && MakePrivate(pattern))
        return pattern + "/";
    return std::nullopt;
}

} // namespace

// Plain copies of the data files must never land where another user can read or plant
// them, so when no private folder can be made (under TMPDIR, then under /tmp) there is no
// temporary folder at all: this raises IoError rather than fall back to a shared folder.
std::string SystemTempFolder()
{
    const char* base = std::getenv("TMPDIR");
    const std::string roots[] = {(base != nullptr && *base == '/') ? base : "/tmp", "/tmp"};
    int error = 0;
    for (const std::string& root : roots) {
        if (const auto folder = PrivateFolderIn(root))
            return *folder;
        if (error == 0)
            error = errno != 0 ? errno : EACCES;
    }
    throw IoError(error, IoErrorText(error, PathFromUtf8(roots[0])));
}
