#include "shell/instance_lock.h"

#include <QCoreApplication>
#include <QFile>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace almanor {

#ifdef Q_OS_WIN

// Windows has no flock; a lock file whose process has ended counts as stale there, which is
// safe because the file lives in the user's own local folder, never on another machine.
InstanceLock::InstanceLock(const QString& path) : path_(path), file_(path) {
    file_.setStaleLockTime(0);
}

InstanceLock::~InstanceLock() {
    release();
}

InstanceLock::Attempt InstanceLock::tryTake() {
    if (file_.tryLock(0)) {
        held_ = true;
        return Attempt::Taken;
    }
    return file_.error() == QLockFile::LockFailedError ? Attempt::HeldByAnother : Attempt::Unusable;
}

qint64 InstanceLock::holder() const {
    qint64 pid = 0;
    return file_.getLockInfo(&pid, nullptr, nullptr) ? pid : 0;
}

void InstanceLock::release() {
    if (held_) {
        file_.unlock();
        held_ = false;
    }
}

#else

InstanceLock::InstanceLock(const QString& path) : path_(path) {}

InstanceLock::~InstanceLock() {
    release();
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

InstanceLock::Attempt InstanceLock::tryTake() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    const QByteArray name = QFile::encodeName(path_);
    descriptor_ = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                         S_IRUSR | S_IWUSR);
    struct stat opened {};
    if (descriptor_ < 0 || ::fstat(descriptor_, &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_uid != ::geteuid()) {
        return Attempt::Unusable;
    }
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        return errno == EWOULDBLOCK ? Attempt::HeldByAnother : Attempt::Unusable;
    }
    // A holder removes the file as it ends; the lock on a file no longer under the name guards
    // nothing.
    struct stat named {};
    if (::stat(name.constData(), &named) != 0 || named.st_dev != opened.st_dev ||
        named.st_ino != opened.st_ino) {
        return Attempt::HeldByAnother;
    }
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    if (::ftruncate(descriptor_, 0) == 0) {
        [[maybe_unused]] const ssize_t written =
            ::pwrite(descriptor_, pid.constData(), pid.size(), 0);
    }
    held_ = true;
    return Attempt::Taken;
}

qint64 InstanceLock::holder() const {
    char text[24] = {};
    const ssize_t read = descriptor_ >= 0 ? ::pread(descriptor_, text, sizeof text - 1, 0) : -1;
    return read > 0 ? QByteArray(text, read).trimmed().toLongLong() : 0;
}

void InstanceLock::release() {
    if (held_) {
        // Removed while still locked, so that no start takes the file that is going away.
        ::unlink(QFile::encodeName(path_).constData());
        ::close(descriptor_);
        descriptor_ = -1;
        held_ = false;
    }
}

#endif

} // namespace almanor
