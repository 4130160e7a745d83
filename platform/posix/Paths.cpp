#include "platform/services/Paths.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ExecutableFolder()
{
    std::string buffer(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size())
        return "./";
    buffer.resize(static_cast<std::size_t>(n));
    const auto slash = buffer.rfind('/');
    return slash == std::string::npos ? "./" : buffer.substr(0, slash + 1);
}

// A folder only this user can enter: created with mode 0700, or an existing one that is a
// real folder (not a link), owned by this user and closed to others.
bool IsPrivateFolder(const std::string& path)
{
    struct stat st{};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return false;
    if ((st.st_mode & 077) != 0 && ::chmod(path.c_str(), 0700) != 0)
        return false;
    return true;
}

std::string PrivateTempFolder()
{
    const char* base = std::getenv("TMPDIR");
    std::string root = (base != nullptr && *base == '/') ? base : "/tmp";
    if (root.back() != '/')
        root += '/';
    const std::string preferred = root + "ortavi-" + std::to_string(::getuid());
    if (::mkdir(preferred.c_str(), 0700) == 0 || (errno == EEXIST && IsPrivateFolder(preferred)))
        return preferred + "/";
    // The usual name is taken by something we cannot trust: make a fresh one.
    std::string pattern = preferred + "-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr)
        return pattern + "/";
    return root;
}

class PosixPaths final : public Paths {
public:
    std::string ProgramFolder() const override
    {
        static const std::string folder = ExecutableFolder();
        return folder;
    }
    std::string TempFolder() const override
    {
        static const std::string folder = PrivateTempFolder();
        return folder;
    }
};

} // namespace

Paths& SystemPaths()
{
    static PosixPaths paths;
    return paths;
}
