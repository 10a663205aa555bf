#include "shell/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <future>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace almanor {
namespace {

// Another start on the folder in a thread, while this thread's event loop lets the first answer.
std::pair<SingleInstance::Start, qint64> startBeside(const QTemporaryDir& notes,
                                                     const QTemporaryDir& runtime,
                                                     Command request = Command::Start) {
    auto start = std::async(std::launch::async, [&] {
        SingleInstance other(notes.path(), runtime.path());
        return std::pair{other.claim(request), other.otherProcess()};
    });
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return start.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    return start.get();
}

QStringList entries(const QTemporaryDir& folder) {
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}

TEST(SingleInstance, aSecondStartOnTheFolderHandsItsRequestToTheFirstAndEnds) {
    QTemporaryDir notes, runtime, otherNotes;
    SingleInstance first(notes.path(), runtime.path());
    ASSERT_EQ(first.claim(), SingleInstance::Start::Alone);
    QSignalSpy requested(&first, &SingleInstance::requested);
    for (const Command request : {Command::Start, Command::Hide, Command::Toggle, Command::Today}) {
        EXPECT_EQ(startBeside(notes, runtime, request).first, SingleInstance::Start::HandedOver);
        ASSERT_FALSE(requested.isEmpty());
        const Command heard = request == Command::Start ? Command::Show : request;
        EXPECT_EQ(requested.takeFirst().at(0).value<Command>(), heard);
    }
    SingleInstance elsewhere(otherNotes.path(), runtime.path()); // another folder, another planner
    EXPECT_EQ(elsewhere.claim(), SingleInstance::Start::Alone);
    first.release();
    EXPECT_EQ(entries(runtime).size(), 2) << "only the other folder's lock and socket are left";
}

TEST(SingleInstance, aStartNeverAsksASocketOfAnotherUser) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a socket away";
    }
    QTemporaryDir notes, runtime;
    SingleInstance first(notes.path(), runtime.path());
    ASSERT_EQ(first.claim(), SingleInstance::Start::Alone);
    QSignalSpy shown(&first, &SingleInstance::requested);
    const QString socket = runtime.filePath(entries(runtime).filter(".socket").value(0));
    ASSERT_EQ(::chown(QFile::encodeName(socket).constData(), 65534, 65534), 0);
    const auto [start, process] = startBeside(notes, runtime);
    EXPECT_EQ(start, SingleInstance::Start::NoAnswer);
    EXPECT_EQ(process, QCoreApplication::applicationPid()) << "the user is told which one";
    EXPECT_EQ(shown.count(), 0);
}

TEST(SingleInstance, idleCallersAreDroppedAndAFailedAcceptStopsNoListening) {
    QTemporaryDir notes, runtime;
    SingleInstance first(notes.path(), runtime.path());
    ASSERT_EQ(first.claim(), SingleInstance::Start::Alone);
    const QString socket = runtime.filePath(entries(runtime).filter(".socket").value(0));
    std::vector<std::unique_ptr<QLocalSocket>> idle(20);
    for (auto& caller : idle) {
        caller = std::make_unique<QLocalSocket>();
        caller->connectToServer(socket);
        ASSERT_TRUE(caller->waitForConnected(1000));
    }
    EXPECT_EQ(startBeside(notes, runtime).first, SingleInstance::Start::HandedOver);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(idle.begin(), idle.end(), [](const auto& caller) {
                return caller->state() == QLocalSocket::UnconnectedState;
            });
        },
        10000));

    // No file handle left to accept a caller with: the server stops, then listens again.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const rlimit lowered{256, limit.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    std::vector<int> handles;
    for (int handle = ::dup(STDERR_FILENO); handle >= 0; handle = ::dup(STDERR_FILENO)) {
        handles.push_back(handle);
    }
    ASSERT_FALSE(handles.empty());
    ::close(handles.back());
    handles.pop_back();
    QLocalSocket caller;
    caller.connectToServer(socket);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(socket); }, 5000));
    std::for_each(handles.begin(), handles.end(), ::close);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
    EXPECT_EQ(startBeside(notes, runtime).first, SingleInstance::Start::HandedOver);
}

} // namespace
} // namespace almanor
