#include "about/about_window.h"
#include "alarm/time_dialog.h"
#include "calendar/calendar_window.h"
#include "calendar/hotspot.h"
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

// Every control of every window lies inside its window or group, covers no other and shows
// its whole caption: a later change of fonts, texts or layouts must not hide one unnoticed.
// The windows laid out in twips leave neighbours touching by a pixel or two; the hotspots reach
// past the frameless window's edges and meet where two commands' words sit close.
TEST(Layout, everyControlLiesInItsWindowCoversNoOtherAndShowsItsWholeCaption) {
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
        EXPECT_FALSE(window->windowIcon().pixmap(16).toImage().allGray()) << "the program's icon";
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(window) || control->isWindow()) {
                continue;
            }
            const auto* button = qobject_cast<QAbstractButton*>(control);
            const auto* label = qobject_cast<QLabel*>(control);
            const QString caption = button ? button->text() : label ? label->text() : QString();
            const std::string name = control->metaObject()->className() + caption.toStdString();
            const bool spot = qobject_cast<Hotspot*>(control) != nullptr;
            const QWidget& parent = *control->parentWidget();
            EXPECT_TRUE(spot || parent.rect().adjusted(-3, -3, 3, 3).contains(control->geometry()))
                << name;
            for (const QWidget* other : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QRect both = control->geometry() & other->geometry();
                EXPECT_TRUE(other == control || !other->isVisibleTo(window) || other->isWindow() ||
                            (spot && qobject_cast<const Hotspot*>(other)) ||
                            std::min(both.width(), both.height()) <= 3)
                    << name << " covers " << other->metaObject()->className();
            }
            EXPECT_FALSE(caption.isEmpty() && control->accessibleName().isEmpty() &&
                         control->focusPolicy() != Qt::NoFocus)
                << name << ": a screen reader has no name to say";
            if (caption.isEmpty() && !(label && !label->pixmap().isNull())) {
                continue; // a picture is shown whole too
            }
            EXPECT_GE(control->width(), control->sizeHint().width()) << name;
            EXPECT_GE(control->height(), control->sizeHint().height() - 4) << name;
        }
    }
}

} // namespace
} // namespace almanor
