#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace almanor {

// One program per application folder. Two programs on one folder would each save over the
// other's notes at every keystroke, so a second start only asks the running program to show
// its window, and ends.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& appFolder);
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // True when no other program runs on the folder: this one holds the folder from now on
    // and hears later starts. False when another one runs; it has been asked to show itself.
    // A lock left behind by a program that crashed does not count.
    bool claim();

signals:
    // A later start on the same folder wants the calendar window on screen.
    void showRequested();

private:
    void listen();

    QLockFile lock_;
    QString serverName_;
    QLocalServer server_;
};

} // namespace almanor
