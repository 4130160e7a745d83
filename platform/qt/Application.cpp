#include "platform/qt/Application.h"

#include "platform/services/Dialogs.h"

#include <exception>

namespace {
QString g_title = QStringLiteral("Ortavi");

void ReportUncaught(const char* what)
{
    try {
        CurrentDialogs().Error(what);
    } catch (const std::exception&) {
        // No error box installed: nothing more can be said.
    }
}
} // namespace

OrtaviApplication::OrtaviApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool OrtaviApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportUncaught(error.what());
    }
    return false;
}

QString ApplicationTitle()
{
    return g_title;
}

void SetApplicationTitle(const QString& title)
{
    g_title = title;
}

void RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        ReportUncaught(error.what());
    }
}
