#include "platform/posix/LogindPower.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// logind's manager and the caller's session, as far as the program talks to them.
class FakeManager : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    explicit FakeManager(Calls& calls) : calls_(calls) {}

public slots:
    void PowerOff(bool interactive) { Record("PowerOff", interactive); }
    void Reboot(bool interactive) { Record("Reboot", interactive); }

private:
    void Record(const char* method, bool interactive)
    {
        calls_.push_back(std::string(method) + (interactive ? " interactive" : "") +
                         (message().isInteractiveAuthorizationAllowed() ? " may-ask" : ""));
    }
    Calls& calls_;
};

class FakeSession : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Session")
public:
    explicit FakeSession(Calls& calls) : calls_(calls) {}

public slots:
    void Terminate() { calls_.push_back(std::string("Terminate ") + qPrintable(message().path())); }

private:
    Calls& calls_;
};

// A bus of the test's own, with a fake logind on it: the machine's own logind is never asked.
class LogindPowerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        ASSERT_FALSE(daemon.isEmpty()) << "dbus-daemon is needed (package dbus-daemon)";
        bus_.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        ASSERT_TRUE(bus_.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([this] { return bus_.canReadLine(); }, 5000));
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();

        QDBusConnection service = QDBusConnection::connectToBus(address_, QStringLiteral("fake-logind"));
        ASSERT_TRUE(service.isConnected());
        ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.login1")));
        ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/login1"), &manager_,
                                           QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/login1/session/auto"), &session_,
                                           QDBusConnection::ExportAllSlots));
    }

    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-logind"));
        bus_.kill();
        bus_.waitForFinished(5000);
    }

    Calls Perform(PowerAction action)
    {
        LogindPower power(QDBusConnection::connectToBus(address_, QStringLiteral("program")));
        power.Perform(action);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !calls_.empty(); }, 5000)) << "the stand-in heard nothing";
        return calls_;
    }

    Calls calls_;
    FakeManager manager_{calls_};
    FakeSession session_{calls_};
    QProcess bus_;
    QString address_;
};

TEST_F(LogindPowerTest, PowerOffAsksTheManagerAndMayLetPolkitAsk)
{
    EXPECT_EQ(Perform(PowerAction::PowerOff), Calls{"PowerOff interactive may-ask"});
}

TEST_F(LogindPowerTest, RestartIsAReboot)
{
    EXPECT_EQ(Perform(PowerAction::Restart), Calls{"Reboot interactive may-ask"});
}

TEST_F(LogindPowerTest, LogOffEndsTheCallersSession)
{
    EXPECT_EQ(Perform(PowerAction::LogOff), Calls{"Terminate /org/freedesktop/login1/session/auto"});
}

TEST(LogindPowerWithoutBusTest, NoLogindIsNoMessage)
{
    LogindPower power(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                    QStringLiteral("nowhere")));
    EXPECT_NO_THROW(power.Perform(PowerAction::PowerOff));
    QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
}

} // namespace

#include "logind_power_test.moc"
