#pragma once

#include "platform/qt/QtTray.h"
#include "platform/services/Clipboard.h"
#include "platform/services/Dialogs.h"
#include "platform/services/Shell.h"

#include <memory>

class QMessageBox;

// The services that need the window system, over Qt.

class QtDialogs final : public Dialogs {
public:
    void Message(const std::string& text) override;
    void TitledMessage(const std::string& title, const std::string& text) override;
    bool Confirm(const std::string& text) override;
    // The information box: an icon, the text in blue «Comic Sans MS» and one button «Угу».
    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    void Beep() override;
};

// The information box, built but not shown.
std::unique_ptr<QMessageBox> MakeInformationBox(const std::string& text);

class QtShell final : public Shell {
public:
    void Open(const std::string& target, Show show) override;
};

class QtClipboard final : public Clipboard {
public:
    void SetText(const std::string& utf8) override;
    std::string Text() const override;
};

// Installs these, the tray icon and the system's own services (starting programs, power,
// CD drives) for the life of the object.
class QtServices {
public:
    QtServices();
    ~QtServices();
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

private:
    QtDialogs dialogs_;
    QtShell shell_;
    QtClipboard clipboard_;
    QtTray tray_;
};
