#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace almanor {

namespace {

constexpr int kAnswerWaitMs = 2000;

// Local server names are shared by all programs of the user, so the name is made from the
// folder: each folder's program hears only the starts on that folder.
QString serverNameFor(const QString& folder) {
    const QByteArray canonical = QDir(folder).canonicalPath().toUtf8();
    return QStringLiteral("almanor-") +
           QString::fromLatin1(
               QCryptographicHash::hash(canonical, QCryptographicHash::Sha256).toHex().left(24));
}

} // namespace

SingleInstance::SingleInstance(const QString& appFolder)
    : lock_(QDir(appFolder).filePath(QStringLiteral("almanor.lock"))),
      serverName_(serverNameFor(appFolder)) {
    // Held for the whole run; only a lock whose program has ended counts as stale.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::claim() {
    if (lock_.tryLock(0)) {
        listen();
        return true;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
        // A folder that cannot hold the lock file (read-only media) cannot hold notes either;
        // the program runs and says so when a save fails.
        return true;
    }
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (socket.waitForConnected(kAnswerWaitMs)) {
        socket.write("show\n");
        socket.waitForBytesWritten(kAnswerWaitMs);
        socket.disconnectFromServer();
    }
    return false;
}

void SingleInstance::listen() {
    // A server name left by a program that crashed would block listening; the lock is ours.
    QLocalServer::removeServer(serverName_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(serverName_);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("show")) {
                    emit showRequested();
                }
            });
        }
    });
}

} // namespace almanor
