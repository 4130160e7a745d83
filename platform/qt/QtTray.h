#pragma once

#include "platform/services/Tray.h"

#include <memory>

class QSystemTrayIcon;

// The tray icon over QSystemTrayIcon, with the application's icon. The icon object is made
// at the first Show, once the application exists. Qt itself puts the icon back when the
// task bar or the desktop's tray restarts.
class QtTray final : public Tray {
public:
    QtTray();
    ~QtTray() override;

    void Show(const std::string& tip) override;
    void Hide() override;
    // Only while the desktop has a tray to show it in.
    bool IsShown() const override;
    void SetClickHandler(std::function<void(Click)> handler) override;

private:
    std::unique_ptr<QSystemTrayIcon> icon_;
    std::function<void(Click)> handler_;
};
