#include "platform/services/Clock.h"
#include "platform/services/Clipboard.h"
#include "platform/services/Dialogs.h"
#include "platform/services/Memory.h"
#include "platform/services/OsVersion.h"
#include "platform/services/Paths.h"
#include "platform/services/Shell.h"

#include <stdexcept>

namespace {
Dialogs* g_dialogs = nullptr;
Clock* g_clock = nullptr;
Shell* g_shell = nullptr;
Clipboard* g_clipboard = nullptr;
Paths* g_paths = nullptr;
Memory* g_memory = nullptr;
OsVersion* g_osVersion = nullptr;

template <class T>
T* Swap(T*& slot, T* value)
{
    T* previous = slot;
    slot = value;
    return previous;
}
} // namespace

Dialogs& CurrentDialogs()
{
    if (g_dialogs == nullptr)
        throw std::logic_error("no Dialogs installed");
    return *g_dialogs;
}

Dialogs* SetDialogs(Dialogs* dialogs)
{
    return Swap(g_dialogs, dialogs);
}

void ShowInfo(const std::string& text)
{
    CurrentDialogs().Information(text);
}

Clock& CurrentClock()
{
    return g_clock != nullptr ? *g_clock : SystemClock();
}

Clock* SetClock(Clock* clock)
{
    return Swap(g_clock, clock);
}

Shell& CurrentShell()
{
    if (g_shell == nullptr)
        throw std::logic_error("no Shell installed");
    return *g_shell;
}

Shell* SetShell(Shell* shell)
{
    return Swap(g_shell, shell);
}

Clipboard& CurrentClipboard()
{
    if (g_clipboard == nullptr)
        throw std::logic_error("no Clipboard installed");
    return *g_clipboard;
}

Clipboard* SetClipboard(Clipboard* clipboard)
{
    return Swap(g_clipboard, clipboard);
}

Paths& CurrentPaths()
{
    return g_paths != nullptr ? *g_paths : SystemPaths();
}

Paths* SetPaths(Paths* paths)
{
    return Swap(g_paths, paths);
}

Memory& CurrentMemory()
{
    return g_memory != nullptr ? *g_memory : SystemMemory();
}

Memory* SetMemory(Memory* memory)
{
    return Swap(g_memory, memory);
}

OsVersion& CurrentOsVersion()
{
    return g_osVersion != nullptr ? *g_osVersion : SystemOsVersion();
}

OsVersion* SetOsVersion(OsVersion* version)
{
    return Swap(g_osVersion, version);
}
