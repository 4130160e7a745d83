#include "platform/services/Clock.h"
#include "platform/services/Dialogs.h"

#include <stdexcept>

namespace {
Dialogs* g_dialogs = nullptr;
Clock* g_clock = nullptr;
} // namespace

Dialogs& CurrentDialogs()
{
    if (g_dialogs == nullptr)
        throw std::logic_error("no Dialogs installed");
    return *g_dialogs;
}

Dialogs* SetDialogs(Dialogs* dialogs)
{
    Dialogs* previous = g_dialogs;
    g_dialogs = dialogs;
    return previous;
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
    Clock* previous = g_clock;
    g_clock = clock;
    return previous;
}
