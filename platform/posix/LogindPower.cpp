#include "platform/posix/LogindPower.h"

#include <QDBusMessage>

namespace {
const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
// logind's name for the session of whoever calls.
const QString kOwnSessionPath = QStringLiteral("/org/freedesktop/login1/session/auto");
const QString kSession = QStringLiteral("org.freedesktop.login1.Session");

QDBusMessage ManagerCall(const QString& method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kManager, method);
    call << true; // interactive: polkit may ask for a password instead of refusing
    return call;
}
} // namespace

LogindPower::LogindPower(QDBusConnection bus) : bus_(std::move(bus)) {}

void LogindPower::Perform(PowerAction action)
{
    QDBusMessage call;
    switch (action) {
    case PowerAction::PowerOff:
        call = ManagerCall(QStringLiteral("PowerOff"));
        break;
    case PowerAction::Restart:
        call = ManagerCall(QStringLiteral("Reboot"));
        break;
    case PowerAction::LogOff:
        call = QDBusMessage::createMethodCall(kService, kOwnSessionPath, kSession, QStringLiteral("Terminate"));
        break;
    }
    call.setInteractiveAuthorizationAllowed(true);
    (bus_ ? *bus_ : QDBusConnection::systemBus()).send(call);
}

Power& SystemPower()
{
    static LogindPower power;
    return power;
}
