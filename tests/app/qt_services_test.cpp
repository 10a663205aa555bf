#include "platform/qt_services.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

// The program's Qt services, run for real.
namespace almanor {
namespace {

// The program's own help opens in one window, however often it is asked for, and its links
// to the web open in the browser. A help file may hold up to four megabytes (a byte more is
// refused: see the options' tests).
TEST(HelpViewer, showsTheHelpInOneWindow) {
    QtHelpViewer viewer;
    QString whyNot;
    QTemporaryDir folder;
    const QString help = folder.filePath("almanor.hlp");
    QFile file(help);
    ASSERT_TRUE(QFile::copy(ALMANOR_FIXTURES_DIR "/../../resources/almanor.hlp", help) &&
                file.open(QIODevice::Append));
    file.write(QByteArray((4 << 20) - file.size(), ' '));
    file.close();
    ASSERT_TRUE(viewer.showContents(help, whyNot) && viewer.showContents(help, whyNot));
    QList<QWidget*> shown = QApplication::topLevelWidgets();
    shown.removeIf([](QWidget* w) { return !w->isVisible() || !qobject_cast<QTextBrowser*>(w); });
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowTitle(), "Almanor Help");
    EXPECT_EQ(static_cast<QTextBrowser*>(shown[0])->documentTitle(), "Almanor Help");
    EXPECT_TRUE(static_cast<QTextBrowser*>(shown[0])->openExternalLinks());
    QApplication::setActiveWindow(shown[0]);
    QTest::keyClick(shown[0], Qt::Key_Escape);
    EXPECT_FALSE(shown[0]->isVisible());
}

// A note goes to the desktop's trash with where it came from, and comes back only to a place
// where nothing was written since: a restore that cannot be done says so.
TEST(Trash, aNoteComesBackOnlyWhereNothingTookItsPlace) {
    QTemporaryDir home;
    const QByteArray dataHomeBefore = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
    const QString note = home.filePath("20261206.dnf");
    const auto write = [&note](const QByteArray& bytes) {
        QFile file(note);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    ASSERT_TRUE(write("mine"));
    QtTrash trash;
    const std::optional<QString> inTrash = trash.moveToTrash(note);
    ASSERT_TRUE(inTrash && inTrash->startsWith(home.filePath("data/Trash/files/")));
    const QString info = home.filePath("data/Trash/info/") + QFileInfo(*inTrash).fileName();
    EXPECT_TRUE(QFileInfo::exists(info + ".trashinfo") && !QFileInfo::exists(note));
    ASSERT_TRUE(write("new"));
    EXPECT_FALSE(trash.restore(*inTrash, note)) << "a new note is not written over";
    ASSERT_TRUE(QFile::remove(note));
    EXPECT_TRUE(trash.restore(*inTrash, note));
    QFile restored(note);
    EXPECT_TRUE(restored.open(QIODevice::ReadOnly) && restored.readAll() == "mine");
    EXPECT_FALSE(QFileInfo::exists(info + ".trashinfo"));
    dataHomeBefore.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", dataHomeBefore);
}

// The clock's local time is the zone's, half-hour offsets included, though it looks the zone up
// only once a minute.
TEST(Clock, tellsTheLocalTimeOfTheZone) {
    const QByteArray zoneBefore = qgetenv("TZ");
    for (const auto& [zone, offset] : {std::pair{"UTC", 0}, {"Asia/Kolkata", 19800}}) {
        qputenv("TZ", zone);
        tzset();
        const QDateTime local = QtClock().now();
        EXPECT_EQ(local.offsetFromUtc(), offset) << zone;
        const QDateTime wallClock(local.date(), local.time()); // as the windows show it
        EXPECT_LE(std::abs(wallClock.secsTo(QDateTime::currentDateTime())), 2) << zone;
    }
    zoneBefore.isNull() ? qunsetenv("TZ") : qputenv("TZ", zoneBefore);
    tzset();
}

// A notice stays beside the windows without holding them up: one box, whose text and icon
// follow the latest notice, gone once there is nothing more to tell.
TEST(MessageBox, aNoticeShowsInOneBoxUntilThereIsNothingToTell) {
    const auto shownBoxes = [] {
        QList<QWidget*> shown = QApplication::topLevelWidgets();
        shown.removeIf(
            [](QWidget* w) { return !w->isVisible() || !qobject_cast<QMessageBox*>(w); });
        return shown;
    };
    QtMessageBox messages;
    messages.notify("Not saved.", MessageStyle::Plain);
    messages.notify("Still not saved.", MessageStyle::Warning);
    ASSERT_EQ(shownBoxes().size(), 1);
    const auto& box = *qobject_cast<QMessageBox*>(shownBoxes()[0]);
    EXPECT_EQ(box.text(), "Still not saved.");
    EXPECT_EQ(box.icon(), QMessageBox::Warning);
    EXPECT_EQ(box.windowTitle(), appTitle());
    EXPECT_FALSE(box.isModal());
    messages.notify("", MessageStyle::Plain);
    EXPECT_TRUE(shownBoxes().isEmpty());
}

// A question takes Ok on Return and Cancel on Escape, but one that deletes takes Cancel on
// Return; a plain message has Ok alone.
TEST(MessageBox, aQuestionIsOkOnReturnUnlessItDeletesAndCancelOnEscape) {
    QtMessageBox messages;
    const std::tuple<MessageStyle, Qt::Key, Answer> cases[] = {
        {MessageStyle::OkCancel, Qt::Key_Return, Answer::Ok},
        {MessageStyle::OkCancel, Qt::Key_Escape, Answer::Cancel},
        {MessageStyle::DeleteOkCancel, Qt::Key_Return, Answer::Cancel},
        {MessageStyle::DeleteOkCancel, Qt::Key_Escape, Answer::Cancel},
        {MessageStyle::Warning, Qt::Key_Escape, Answer::Ok},
    };
    for (const auto& [style, key, answer] : cases) {
        QTimer::singleShot(0, [key] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_TRUE(box);
            QTest::keyClick(box, key);
        });
        EXPECT_EQ(messages.show("Delete?", style, "Almanor"), answer);
    }
}

// The tray icon goes when the setting turns it off, and comes back when turned on again.
TEST(TrayIcon, showsAndHides) {
    QtTrayIcon tray;
    for (const bool shown : {true, false, true}) {
        shown ? tray.show() : tray.hide();
        EXPECT_EQ(tray.isShown(), shown);
    }
}

} // namespace
} // namespace almanor
