#pragma once

#include <string>

// Every message, question and beep of the program goes through the installed Dialogs, so
// that tests can script the answers and no test ever waits on a modal box.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A plain message box with an OK button.
    virtual void Message(const std::string& text) = 0;
    // The same box under a title of its own instead of the application's.
    virtual void TitledMessage(const std::string& title, const std::string& text) = 0;
    // A question with Yes and No; true only for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // The main window's information box, whose only button reads «Угу».
    virtual void Information(const std::string& text) = 0;
    // The general error box that ends a handler whose error nobody caught.
    virtual void Error(const std::string& text) = 0;
    // The system's default message beep.
    virtual void Beep() = 0;
};

// The Dialogs in force. Raises std::logic_error when none has been installed.
Dialogs& CurrentDialogs();
// Installs dialogs (not owned); nullptr removes them. Returns the ones replaced.
Dialogs* SetDialogs(Dialogs* dialogs);

// Shows one message in the main window's information box.
void ShowInfo(const std::string& text);
