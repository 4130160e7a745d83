#include "platform/services/Paths.h"

#include "platform/FileIo.h"
#include "platform/TempFolder.h"

#include <string>

#include <windows.h>

namespace {

std::string ExecutableFolder()
{
    // The path may be longer than MAX_PATH; a full buffer means it was cut.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return ".\\";
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    const auto slash = buffer.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return ".\\";
    buffer.resize(slash + 1);
    return Utf8FromPath(std::filesystem::path(buffer));
}

class WindowsPaths final : public Paths {
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
    static WindowsPaths paths;
    return paths;
}
