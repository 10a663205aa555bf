#include "shell/single_instance.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace almanor {
namespace {

TEST(SingleInstance, aSecondStartOnTheFolderAsksTheFirstToShowAndEnds) {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy shown(&first, &SingleInstance::showRequested);

    SingleInstance second(folder.path());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(shown.count() == 1 || shown.wait(2000));

    QTemporaryDir otherFolder; // another folder is another planner
    SingleInstance elsewhere(otherFolder.path());
    EXPECT_TRUE(elsewhere.claim());
}

TEST(SingleInstance, aLockLeftByAProgramThatCrashedDoesNotBlockTheStart) {
    QTemporaryDir folder;
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForStarted(5000));
    const qint64 deadPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished(5000));
    QFile lock(folder.filePath(QStringLiteral("almanor.lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\nalmanor\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();

    SingleInstance next(folder.path());
    EXPECT_TRUE(next.claim());
}

} // namespace
} // namespace almanor
