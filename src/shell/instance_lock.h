#pragma once

#include <QString>

#ifdef Q_OS_WIN
#include <QLockFile>
#endif

namespace almanor {

// A lock that the system lets go of when its process ends, however it ends: a crash or a power
// cut leaves no lock that would stop the next start, and no guess about stale locks is needed.
// The holder writes its process id into it, so that a start can say which program holds it.
class InstanceLock final {
public:
    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    Q_DISABLE_COPY_MOVE(InstanceLock)

    enum class Attempt {
        Taken,
        HeldByAnother, // or by one that is just ending: a later attempt may take it
        Unusable,      // the file cannot be opened as a lock of this user
    };
    Attempt tryTake();
    bool held() const { return held_; }
    // The process id that the holder wrote; 0 while unknown.
    qint64 holder() const;
    // Removes the file and lets go: for the end of the program.
    void release();

private:
    QString path_;
    bool held_ = false;
#ifdef Q_OS_WIN
    QLockFile file_;
#else
    int descriptor_ = -1;
#endif
};

} // namespace almanor
