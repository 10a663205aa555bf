#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace almanor {

namespace {

// A running program answers a start at once; one that is stopped or hangs does not, and the
// user is told after this long.
constexpr int kAnswerWaitMs = 3000;
// The lock of a program that is starting or ending is held a moment without its channel.
constexpr int kLookAgainMs = 50;
// A start sends its request at once. A connection that sends none in this time holds a slot
// and a file handle for nothing.
constexpr int kIdleLimitMs = 2000;
constexpr qsizetype kMaxConnections = 8;
// An accept that failed (no file handles left for the moment) stops the server; it listens
// again after this long.
constexpr int kListenAgainMs = 1000;
constexpr qint64 kMaxLine = 16;
const QByteArray kDoneAnswer = QByteArrayLiteral("done\n");

// Names are made from the folder, so that each folder's program hears only the starts on that
// folder.
QString nameFor(const QString& folder) {
    const QFileInfo info(folder);
    const QString path =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    return QStringLiteral("almanor-") +
           QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(24));
}

// Owned by the user and writable by nobody else: no one else can put a lock or a socket there.
bool isPrivateFolder(const QString& folder) {
#ifdef Q_OS_WIN
    return !folder.isEmpty() && QFileInfo(folder).isDir();
#else
    struct stat info {};
    return !folder.isEmpty() && ::stat(QFile::encodeName(folder).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
#endif
}

enum class Channel { Missing, Ours, Foreign };

// A socket somebody else made is never talked to: it would get the request meant for the
// user's own program.
Channel channelAt(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return Channel::Ours; // a named pipe; Windows gives other users no access to it
#else
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return Channel::Missing;
    }
    return S_ISSOCK(info.st_mode) && info.st_uid == ::geteuid() ? Channel::Ours : Channel::Foreign;
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString& notesFolder, const QString& runtimeFolder)
    : runtimeFolder_(runtimeFolder),
      socketPath_(QDir(runtimeFolder).filePath(nameFor(notesFolder) + QStringLiteral(".socket"))),
      lock_(QDir(runtimeFolder).filePath(nameFor(notesFolder) + QStringLiteral(".lock"))) {
    server_.installEventFilter(this);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* connection = server_.nextPendingConnection()) {
            serve(connection);
        }
    });
}

QString SingleInstance::userRuntimeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

SingleInstance::Start SingleInstance::claim(Command request) {
    if (!isPrivateFolder(runtimeFolder_)) {
        return Start::Alone;
    }
    const QDeadlineTimer deadline(kAnswerWaitMs);
    for (;;) {
        switch (lock_.tryTake()) {
        case InstanceLock::Attempt::Taken:
            listen();
            return Start::Alone;
        case InstanceLock::Attempt::Unusable:
            return Start::Alone;
        case InstanceLock::Attempt::HeldByAnother:
            break;
        }
        const Answer answer = ask(QByteArray::fromStdString(requestLine(request)), deadline);
        if (answer == Answer::Done) {
            return Start::HandedOver;
        }
        if (answer == Answer::Silent || deadline.hasExpired()) {
            otherProcess_ = lock_.holder();
            return Start::NoAnswer;
        }
        QThread::msleep(kLookAgainMs);
    }
}

SingleInstance::Answer SingleInstance::ask(const QByteArray& request,
                                           const QDeadlineTimer& deadline) const {
    switch (channelAt(socketPath_)) {
    case Channel::Missing:
        return Answer::NoChannel;
    case Channel::Foreign:
        return Answer::Silent;
    case Channel::Ours:
        break;
    }
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(int(deadline.remainingTime()))) {
        return Answer::NoChannel; // the socket of a program that has just ended
    }
    socket.write(request);
    while (!socket.canReadLine() && socket.waitForReadyRead(int(deadline.remainingTime()))) {
    }
    if (socket.canReadLine()) {
        return socket.readLine(kMaxLine) == kDoneAnswer ? Answer::Done : Answer::Silent;
    }
    // Closed without an answer: the program is ending, or dropped this connection to make room.
    return socket.state() == QLocalSocket::UnconnectedState ? Answer::NoChannel : Answer::Silent;
}

void SingleInstance::listen() {
    // A socket left by a program that was killed would block listening; the lock is ours.
    QLocalServer::removeServer(socketPath_);
    if (!server_.listen(socketPath_)) {
        listenLater();
    }
}

void SingleInstance::listenLater() {
    QTimer::singleShot(kListenAgainMs, this, [this] {
        if (lock_.held() && !server_.isListening()) {
            listen();
        }
    });
}

bool SingleInstance::eventFilter(QObject* watched, QEvent* event) {
    // When an accept fails the server stops listening; letting go of its notifier is its only
    // sign of that.
    if (watched == &server_ && event->type() == QEvent::ChildRemoved && lock_.held() &&
        !server_.isListening()) {
        listenLater();
    }
    return QObject::eventFilter(watched, event);
}

void SingleInstance::serve(QLocalSocket* connection) {
    if (connections_.size() >= kMaxConnections) {
        // The oldest has had the longest to send its request.
        connections_.takeFirst()->deleteLater(); // closes it
    }
    connections_.append(connection);
    connect(connection, &QObject::destroyed, this,
            [this, connection] { connections_.removeOne(connection); });
    connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
    QTimer::singleShot(kIdleLimitMs, connection, &QObject::deleteLater);
    connect(connection, &QLocalSocket::readyRead, this, [this, connection] {
        if (!connection->canReadLine()) {
            if (connection->bytesAvailable() > kMaxLine) {
                connection->deleteLater();
            }
            return;
        }
        const std::optional<Command> request =
            commandOfRequest(connection->readLine(kMaxLine).toStdString());
        if (request) {
            emit requested(*request);
            connection->write(kDoneAnswer);
        }
        connection->disconnectFromServer(); // after the answer is written
    });
}

void SingleInstance::release() {
    if (lock_.held()) {
        server_.close(); // removes the socket
        lock_.release();
    }
}

} // namespace almanor
