#pragma once

#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <vector>

class QAbstractItemView;
class QObject;
class QWidget;

// What a user (and the event loop) does to the windows, and what the user sees of them.
namespace almanor {
class MonthCalendar;
namespace testing {

// The child of `window` with this accessible name (hotspots and buttons alike) or object name.
QWidget& childNamed(QWidget& window, const QString& name);
template <class Widget> Widget& childNamed(QWidget& window, const QString& name) {
    return dynamic_cast<Widget&>(childNamed(window, name));
}
// A left click in the middle of that child, as a user gives it.
void clickOn(QWidget& window, const QString& accessibleName);
// The mouse moving over that child without a button pressed.
void moveOver(QWidget& window, const QString& accessibleName);
// One tick of the running timer of this name among `owner`'s children; one never started fails.
void tick(QObject& owner, const QString& timerName);
// Makes the window the active one, so that its shortcuts and focus work as on a desktop.
void activate(QWidget& window);
// The shown top-level window of the class `Window`, if any.
QWidget* shownWindowOf(const char* className);
template <class Window> Window* shownWindow() {
    return static_cast<Window*>(shownWindowOf(Window::staticMetaObject.className()));
}

// How a day of the shown month is drawn.
QTextCharFormat formatOf(const MonthCalendar& calendar, int day);
// The days of the shown month drawn as marked (with a background of their own), in order.
std::vector<int> markedDays(const MonthCalendar& calendar);
// The text of each row of a list, top to bottom.
QStringList rowsOf(const QAbstractItemView& view);
} // namespace testing
} // namespace almanor
