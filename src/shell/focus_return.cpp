#include "shell/focus_return.h"

#include "calendar/calendar_window.h"
#include "shell/program.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

namespace almanor {

FocusReturn::FocusReturn(Program& program) : program_(program) {
    qApp->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Close && type != QEvent::Hide) ||
        !watched->isWidgetType() || program_.calendarWindow() == nullptr) {
        return false;
    }
    const auto* window = static_cast<QWidget*>(watched);
    CalendarWindow& calendar = *program_.calendarWindow();
    const Qt::WindowType kind = window->windowType();
    if ((kind != Qt::Window && kind != Qt::Dialog) || window == &calendar) {
        return false;
    }
    // Also at the close, before the window goes: the calendar window may have been put on top
    // while this one was open.
    if (type != QEvent::Hide && calendar.staysOnTop() && window->windowHandle() != nullptr) {
        window->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, true);
    }
    // A message over the options window gives the keyboard back to the options window.
    const QWidget* owner = window->parentWidget();
    const bool ownerTakesOver =
        owner != nullptr && owner->window() != &calendar && owner->window()->isVisible();
    if (type != QEvent::Show && window->isActiveWindow() && !ownerTakesOver &&
        calendar.isVisible() && !calendar.isParked()) {
        calendar.activateWindow();
    }
    return false;
}

} // namespace almanor
