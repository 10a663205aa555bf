#include "platform/qt_services.h"

#include <QSocketNotifier>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace almanor {

#ifdef Q_OS_UNIX
namespace {

// A signal handler may do next to nothing safely: it only writes a byte here, and the event loop
// ends the program when it reads it.
int endRequestChannel[2] = {-1, -1};

void requestEnd(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(endRequestChannel[1], &byte, 1);
    errno = savedErrno;
}

} // namespace
#endif

QtProgramEnd::QtProgramEnd(TrayIcon& tray) : tray_(tray) {
#ifdef Q_OS_UNIX
    // A logout or `kill` ends the program as Exit does, so that its lock and channel go too.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, endRequestChannel) !=
        0) {
        return;
    }
    endRequests_ = std::make_unique<QSocketNotifier>(endRequestChannel[0], QSocketNotifier::Read);
    QObject::connect(endRequests_.get(), &QSocketNotifier::activated, [this] { endNow(); });
    struct sigaction action {};
    action.sa_handler = requestEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction previous {};
        // A signal ignored by whoever started the program (nohup) stays ignored.
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN) {
            ::sigaction(signal, &action, nullptr);
        }
    }
#endif
}

QtProgramEnd::~QtProgramEnd() = default;

void QtProgramEnd::endNow() {
    // A notification area does not always notice an ended process: take the icon away first.
    tray_.hide();
    if (cleanUp_) {
        cleanUp_();
    }
    std::_Exit(0);
}

} // namespace almanor
