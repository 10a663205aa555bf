#include "about/about_window.h"
#include "alarm/time_dialog.h"
#include "calendar/calendar_window.h"
#include "fakes/test_program.h"
#include "overview/overview_window.h"
#include "settings/options_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::TestProgram;

// Every caption of every window is whole with the font it is drawn in: a later change of
// fonts or texts must not clip one unnoticed.
TEST(Captions, everyVisibleCaptionFitsItsControl) {
    TestProgram t;
    t.writeFile("20261206.dnf", testing::record("Note", "12/06/2026", "12:59:59 PM"));
    Program& program = t.program();
    CalendarWindow& calendar = program.calendarWindow();
    QFocusEvent openDialog(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&calendar.alarmField(), &openDialog);
    program.showOverviewWindow();
    program.showOptionsWindow();
    program.showAboutWindow();
    calendar.show();
    for (QWidget* window : std::initializer_list<QWidget*>{
             &calendar, calendar.timeDialog(), &program.overviewWindow(), &program.optionsWindow(),
             &program.aboutWindow()}) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const auto* button = qobject_cast<QAbstractButton*>(control);
            const auto* label = qobject_cast<QLabel*>(control);
            const QString caption = button ? button->text() : label ? label->text() : QString();
            if (caption.isEmpty() || (label && !label->pixmap().isNull()) ||
                !control->isVisibleTo(window)) {
                continue;
            }
            EXPECT_GE(control->width(), control->sizeHint().width()) << caption.toStdString();
            EXPECT_GE(control->height(), control->sizeHint().height() - 4) << caption.toStdString();
        }
    }
    // The overview's four buttons are one row: no caption is drawn smaller than the others.
    OverviewWindow& overview = program.overviewWindow();
    for (QPushButton* button :
         {&overview.goToButton(), &overview.closeButton(), &overview.deleteButton()}) {
        EXPECT_EQ(button->font(), overview.copyButton().font()) << button->text().toStdString();
    }
}

} // namespace
} // namespace almanor
