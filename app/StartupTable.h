#pragma once

#include "app/Startup.h"

#include <vector>

// The program's long-lived windows in creation order, each with its guard group. A window
// joins the program by adding its row here.
std::vector<StartupWindow> LongLivedWindows();

// Destroys the long-lived windows that exist, the main window last.
void DestroyLongLivedWindows();
