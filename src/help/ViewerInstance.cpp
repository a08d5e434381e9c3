#include "help/ViewerInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QWidget>

namespace {

constexpr int connectWaitMs = 1000;
constexpr int lockWaitMs = 5000;

} // namespace

ViewerInstance::ViewerInstance(const QString& file, QObject* parent)
    : QObject(parent), m_name(serverName(file))
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection())
            socket->deleteLater();
        emit raiseRequested();
    });
}

QString ViewerInstance::serverName(const QString& file)
{
    const QFileInfo info(file);
    const QString path = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    // The home folder tells users apart where local sockets share one folder.
    const QByteArray key = (QDir::homePath() + u'\n' + path).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("palabrino-ayuda-") + QString::fromLatin1(hash.left(16));
}

bool ViewerInstance::claim()
{
    // Viewers started at the same moment take turns here, so only one of them
    // listens. A lock left by a killed viewer is taken over as stale; one
    // still held after the wait is passed by, as a second window beats none.
    QLockFile lock(QDir(QDir::tempPath()).filePath(m_name + QStringLiteral(".lock")));
    lock.tryLock(lockWaitMs);
    if (askRunningViewer())
        return false;
    // Nobody answered, so a socket left behind belongs to a viewer that died
    // and would make listening fail.
    QLocalServer::removeServer(m_name);
    // A viewer that cannot listen still shows its file; it just cannot be raised.
    m_server.listen(m_name);
    return true;
}

bool ViewerInstance::askRunningViewer() const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(connectWaitMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

void bringToFront(QWidget& window)
{
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}
