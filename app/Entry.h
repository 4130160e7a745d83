#pragma once

#include "app/Startup.h"

#include <vector>

class QWidget;

// Shows the splash, creates the windows of the table under their guards while the splash
// counts, and removes the splash. Returns the window that serves as the main window: the
// main window, or when it could not be created the first window that was.
QWidget* StartUp(const std::vector<StartupWindow>& windows);
