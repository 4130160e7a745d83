#include "platform/qt/QtTray.h"

#include <QSystemTrayIcon>
#include <gtest/gtest.h>

namespace {

// Minimizing to the tray relies on this: where the desktop has no tray, an icon that was
// asked for is not there, so the window must not leave the task bar.
TEST(QtTrayTest, WithoutATrayOnTheDesktopTheIconCountsAsNotShown)
{
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()) << "the offscreen desktop has no tray";
    QtTray tray;
    EXPECT_FALSE(tray.IsShown());
    tray.Show("ORTAVI!!!");
    tray.Show("ORTAVI!!!");
    EXPECT_FALSE(tray.IsShown());
    tray.Hide();
    EXPECT_FALSE(tray.IsShown());
}

} // namespace
