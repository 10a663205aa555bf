#include "platform/qt_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace almanor {
namespace {

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

// A question takes Ok on Return and Cancel on Escape; a plain message has Ok alone.
TEST(MessageBox, aQuestionIsOkOnReturnAndCancelOnEscape) {
    QtMessageBox messages;
    const std::tuple<MessageStyle, Qt::Key, Answer> cases[] = {
        {MessageStyle::OkCancel, Qt::Key_Return, Answer::Ok},
        {MessageStyle::OkCancel, Qt::Key_Escape, Answer::Cancel},
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

} // namespace
} // namespace almanor
