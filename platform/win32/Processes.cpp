#include "platform/services/Processes.h"

#include "platform/win32/WindowsRules.h"

#include <windows.h>

namespace {

std::wstring Wide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

class WindowsProcesses final : public Processes {
public:
    void Start(const std::string& program, const std::vector<std::string>& arguments) override
    {
        // Naming the program apart from the command line keeps Windows from searching for it
        // elsewhere; the line only carries the arguments to it.
        const std::wstring application = Wide(program);
        std::wstring commandLine = Wide(WindowsCommandLine(program, arguments));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (::CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process)) {
            ::CloseHandle(process.hThread);
            ::CloseHandle(process.hProcess);
        }
    }
};

} // namespace

Processes& SystemProcesses()
{
    static WindowsProcesses processes;
    return processes;
}
