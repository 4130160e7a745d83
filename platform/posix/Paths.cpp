#include "platform/services/Paths.h"

#include "platform/TempFolder.h"

#include <string>
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

class PosixPaths final : public Paths {
public:
    std::string ProgramFolder() const override
    {
        static const std::string folder = ExecutableFolder();
        return folder;
    }
    std::string TempFolder() const override
    {
        static const std::string folder = SystemTempFolder();
        return folder;
    }
};

} // namespace

Paths& SystemPaths()
{
    static PosixPaths paths;
    return paths;
}
