#pragma once

#include "shell/command_line.h"
#include "shell/instance_lock.h"

#include <QList>
#include <QLocalServer>
#include <QObject>
#include <QString>

class QDeadlineTimer;
class QLocalSocket;

namespace almanor {

// One program per notes folder. Two programs on one folder would each save over the other's
// notes at every keystroke, so a second start only hands its request (show the window, unless
// its command line asks for something else) to the running program, and ends.
//
// The lock and the channel live in the user's runtime folder, named from the notes folder:
// a synchronising tool does not carry them to another machine, and no other user can take
// their names or listen in.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    SingleInstance(const QString& notesFolder, const QString& runtimeFolder);
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // The user's runtime folder ($XDG_RUNTIME_DIR or a private folder of Qt's).
    static QString userRuntimeFolder();

    enum class Start {
        // No other program runs on the folder: this one holds it from now on and hears later
        // starts. Also, holding nothing, when the runtime folder is not the user's own or the
        // lock cannot be made there: only a live program on this machine may stop a start.
        Alone,
        // The running program was handed the request, and said it carries it out.
        HandedOver,
        // A program runs on the folder (otherProcess()) but does not answer.
        NoAnswer,
    };
    Start claim(Command request = Command::Start);
    // The process that holds the folder, once claim() found that it does not answer.
    qint64 otherProcess() const { return otherProcess_; }
    // Takes the lock and the channel away; the program is ending.
    void release();

signals:
    // A later start on the same folder asks for something: the calendar window on screen (Start
    // and Show), slid away, toggled, or showing today.
    void requested(almanor::Command request);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Answer { Done, Silent, NoChannel };
    Answer ask(const QByteArray& request, const QDeadlineTimer& deadline) const;
    void listen();
    void listenLater();
    void serve(QLocalSocket* connection);

    QString runtimeFolder_;
    QString socketPath_;
    InstanceLock lock_;
    QLocalServer server_; // after the lock: at destruction the socket goes while the lock holds
    QList<QLocalSocket*> connections_;
    qint64 otherProcess_ = 0;
};

} // namespace almanor
