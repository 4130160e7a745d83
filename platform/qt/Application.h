#pragma once

#include <QApplication>
#include <QString>

#include <functional>

// The application object. An error that escapes an event handler ends up in notify(), which
// shows its text in the error box; the program goes on.
class OrtaviApplication : public QApplication {
public:
    OrtaviApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The application's title: what the task bar and the message boxes show. The main window
// animates it.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// Runs a handler; an error it does not catch itself is shown in the error box and ends
// the handler. Every event handler of the windows runs inside this.
void RunGuarded(const std::function<void()>& handler);

// Wraps a handler for connect(); the signal's arguments are not passed on.
template <class F>
auto Guarded(F handler)
{
    return [handler] { RunGuarded(handler); };
}
