#pragma once

#include <functional>
#include <string>

// The program's icon in the notification area of the task bar.
class Tray {
public:
    enum class Click { Left, Right };

    virtual ~Tray() = default;
    // Puts the icon there with the tip; an icon already there stays as it is.
    virtual void Show(const std::string& tip) = 0;
    // Takes the icon away; without an icon nothing happens.
    virtual void Hide() = 0;
    // True while the icon is really there for the user to click.
    virtual bool IsShown() const = 0;
    // Who hears the clicks on the icon; an empty handler stops listening.
    virtual void SetClickHandler(std::function<void(Click)> handler) = 0;
};

// The Tray in force. Raises std::logic_error when none has been installed.
Tray& CurrentTray();
// Installs a tray (not owned); nullptr removes it. Returns the one replaced.
Tray* SetTray(Tray* tray);
