// The services behind the main window's commands: starting programs, power, CD doors and
// the tray icon.
#include "platform/services/CdDrives.h"
#include "platform/services/Power.h"
#include "platform/services/Processes.h"
#include "platform/services/Tray.h"

#include <stdexcept>

namespace {
Processes* g_processes = nullptr;
Power* g_power = nullptr;
CdDrives* g_cdDrives = nullptr;
Tray* g_tray = nullptr;

template <class T>
T& Installed(T* slot, const char* what)
{
    if (slot == nullptr)
        throw std::logic_error(what);
    return *slot;
}

template <class T>
T* Swap(T*& slot, T* value)
{
    T* previous = slot;
    slot = value;
    return previous;
}
} // namespace

Processes& CurrentProcesses()
{
    return Installed(g_processes, "no Processes installed");
}

Processes* SetProcesses(Processes* processes)
{
    return Swap(g_processes, processes);
}

Power& CurrentPower()
{
    return Installed(g_power, "no Power installed");
}

Power* SetPower(Power* power)
{
    return Swap(g_power, power);
}

CdDrives& CurrentCdDrives()
{
    return Installed(g_cdDrives, "no CdDrives installed");
}

CdDrives* SetCdDrives(CdDrives* drives)
{
    return Swap(g_cdDrives, drives);
}

Tray& CurrentTray()
{
    return Installed(g_tray, "no Tray installed");
}

Tray* SetTray(Tray* tray)
{
    return Swap(g_tray, tray);
}
