#include "platform/services/Power.h"

#include "platform/win32/WindowsRules.h"

#include <windows.h>

namespace {

WindowsFamily RunningFamily()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // Only the platform id is wanted, and every Windows still reports it truthfully.
    if (!::GetVersionExW(&info))
        return WindowsFamily::Other;
#pragma GCC diagnostic pop
    return FamilyOfPlatformId(info.dwPlatformId);
}

bool EnableShutdownPrivilege()
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    const bool ok = ::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid) &&
                    ::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    ::CloseHandle(token);
    return ok;
}

class WindowsPower final : public Power {
public:
    void Perform(PowerAction action) override
    {
        const ExitWindowsPlan plan = PlanExitWindows(action, RunningFamily());
        if (!plan.run)
            return;
        if (plan.enableShutdownPrivilege && !EnableShutdownPrivilege())
            return;
        ::ExitWindowsEx(plan.flags, 0);
    }
};

} // namespace

Power& SystemPower()
{
    static WindowsPower power;
    return power;
}
