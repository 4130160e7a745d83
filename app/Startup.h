#pragma once

#include "platform/services/Dialogs.h"

#include <functional>
#include <string>
#include <vector>

// The start-up creates the long-lived windows in groups. A failure in a group skips the rest
// of that group, shows the group's message and start-up goes on; the progress moves on after
// every group whatever happened in it.
struct StartupGroup {
    char Id;
    const char* FailureText;
    int ProgressStep; // added to the splash's progress after the group
};

// One long-lived window: the group it belongs to and how to create it.
struct StartupWindow {
    char Group;
    std::function<void()> Create;
};

inline constexpr const char* kStartupFailureTitle = "Ошибочка вышла...";
// The splash's progress while the first window is created.
inline constexpr int kStartupFirstProgress = 10;

// Groups A to M, in creation order.
const std::vector<StartupGroup>& StartupGroups();

// Creates the windows group by group (windows in the order given within a group) and
// reports every progress change. Returns the final progress.
int RunStartup(const std::vector<StartupWindow>& windows, const std::function<void(int)>& setProgress,
               Dialogs& dialogs = CurrentDialogs());
