#include "platform/widgets/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#endif

namespace {

// A key no other test run shares, so parallel runs and leftovers of earlier ones do not meet.
QString UniqueKey()
{
    return QStringLiteral("ortavi-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// Where the socket file of a server name lies: Qt puts a bare name in the temporary folder.
QString SocketPath(const QString& serverName)
{
    return serverName.startsWith(QLatin1Char('/')) ? serverName : QDir(QDir::tempPath()).filePath(serverName);
}

TEST(SingleInstanceTest, TheSecondInstanceGivesWayAndWakesTheFirst)
{
    const QString key = UniqueKey();
    auto first = std::make_unique<SingleInstance>(key);
    ASSERT_TRUE(first->isPrimary());
    QSignalSpy activations(first.get(), &SingleInstance::activationRequested);

    {
        SingleInstance second(key);
        EXPECT_FALSE(second.isPrimary());
    }
    ASSERT_TRUE(activations.wait(5000));
    EXPECT_EQ(activations.count(), 1);

    SingleInstance third(key);
    EXPECT_FALSE(third.isPrimary());
    ASSERT_TRUE(QTest::qWaitFor([&] { return activations.count() == 2; }, 5000));

    // Once the first has gone, the next to start takes its place.
    first.reset();
    SingleInstance successor(key);
    EXPECT_TRUE(successor.isPrimary());
}

TEST(SingleInstanceTest, DifferentKeysDoNotMeet)
{
    SingleInstance one(UniqueKey());
    SingleInstance other(UniqueKey());
    EXPECT_TRUE(one.isPrimary());
    EXPECT_TRUE(other.isPrimary());
}

#ifdef Q_OS_UNIX
TEST(SingleInstanceTest, TheNameCarriesTheUserId)
{
    EXPECT_TRUE(SingleInstance::ServerName(QStringLiteral("Ortavi"))
                    .endsWith(QStringLiteral("Ortavi-%1").arg(::getuid())));
    // A slash in the key must not reach into another folder.
    EXPECT_FALSE(
        QFileInfo(SingleInstance::ServerName(QStringLiteral("a/b"))).fileName().contains(QLatin1Char('/')));
    EXPECT_TRUE(SingleInstance::ServerName(QStringLiteral("a/b")).contains(QStringLiteral("a_b")));
}

TEST(SingleInstanceTest, RecoversFromTheSocketOfACrashedInstance)
{
    const QString key = UniqueKey();
    const QByteArray path = QFile::encodeName(SocketPath(SingleInstance::ServerName(key)));
    // What a crash leaves: a socket file bound once and never unlinked, with no one listening.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(std::size_t(path.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0) << std::strerror(errno);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(QFile::decodeName(path)));
    // Nothing is left behind even when the instance fails to clear the file.
    const auto cleanUp = qScopeGuard([&] { ::unlink(path.constData()); });

    SingleInstance revived(key);
    EXPECT_TRUE(revived.isPrimary());
    QSignalSpy activations(&revived, &SingleInstance::activationRequested);
    SingleInstance second(key);
    EXPECT_FALSE(second.isPrimary());
    EXPECT_TRUE(activations.wait(5000));
}
#endif

TEST(SingleInstanceTest, BringToFrontRestoresAMinimizedWindow)
{
    QWidget window;
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    SingleInstance::bringToFront(&window);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());

    QWidget hidden;
    SingleInstance::bringToFront(&hidden);
    EXPECT_TRUE(hidden.isVisible());
}

} // namespace
