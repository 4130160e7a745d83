#include "platform/widgets/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr int ConnectTimeoutMs = 1000;
const QByteArray ActivateMessage = QByteArrayLiteral("activate\n");

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent)
{
    const QString name = ServerName(key);
    if (AskPrimaryToActivate(name))
        return;
    auto server = new QLocalServer(this);
    connect(server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    if (!server->listen(name)) {
        // Either another instance began listening since we looked, or one that crashed left
        // its socket file behind. Only the second may be cleared away.
        if (AskPrimaryToActivate(name)) {
            delete server;
            return;
        }
        QLocalServer::removeServer(name);
        if (!server->listen(name)) {
            qWarning("SingleInstance: cannot listen on %s: %s", qPrintable(name),
                     qPrintable(server->errorString()));
            // Without the socket no later instance can find us; running alone is still better
            // than refusing to start.
        }
    }
    server_ = server;
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerName(const QString& key)
{
    QString safeKey = key;
    safeKey.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
#ifdef Q_OS_UNIX
    const QString name = QStringLiteral("%1-%2").arg(safeKey).arg(::getuid());
    // The runtime folder belongs to the user alone, so no one else can put a socket there
    // under our name; without it Qt uses the shared temporary folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return QDir(runtime).filePath(name);
    return name;
#else
    return QStringLiteral("%1-%2").arg(safeKey, qEnvironmentVariable("USERNAME"));
#endif
}

bool SingleInstance::AskPrimaryToActivate(const QString& name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(ActivateMessage);
    socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto read = [this, socket] {
            // The message is one short line; a caller that sends nothing is not answered.
            if (socket->canReadLine() && socket->readLine() == ActivateMessage)
                emit activationRequested();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        if (socket->bytesAvailable() > 0)
            read();
    }
}

void SingleInstance::bringToFront(QWidget* window)
{
    // Clearing only the minimized state brings a maximized window back maximized.
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
