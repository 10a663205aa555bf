#include "fakes/user_input.h"

#include "calendar/month_calendar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QMouseEvent>
#include <QTest>
#include <QTextCharFormat>
#include <QTimer>
#include <gtest/gtest.h>

namespace almanor::testing {

QWidget& childNamed(QWidget& window, const QString& name) {
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->accessibleName() == name || child->objectName() == name) {
            return *child;
        }
    }
    ADD_FAILURE() << "nothing called " << name.toStdString();
    return window;
}

void clickOn(QWidget& window, const QString& accessibleName) {
    QWidget& child = childNamed(window, accessibleName);
    QTest::mouseClick(&child, Qt::LeftButton, Qt::NoModifier, child.rect().center());
}

void moveOver(QWidget& window, const QString& accessibleName) {
    QWidget& child = childNamed(window, accessibleName);
    const QPointF at = child.rect().center();
    QMouseEvent move(QEvent::MouseMove, at, child.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&child, &move);
}

void tick(QObject& owner, const QString& timerName) {
    auto* timer = owner.findChild<QTimer*>(timerName);
    ASSERT_NE(timer, nullptr) << timerName.toStdString();
    ASSERT_TRUE(timer->isActive()) << timerName.toStdString() << " is not running";
    QMetaObject::invokeMethod(timer, "timeout");
}

void activate(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
}

QWidget* shownWindowOf(const char* className) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->inherits(className)) {
            return window;
        }
    }
    return nullptr;
}

QTextCharFormat formatOf(const MonthCalendar& calendar, int day) {
    return calendar.view()->dateTextFormat(QDate(calendar.year(), calendar.month(), day));
}

std::vector<int> markedDays(const MonthCalendar& calendar) {
    std::vector<int> days;
    for (int day = 1; day <= 31; ++day) {
        if (QDate(calendar.year(), calendar.month(), day).isValid() &&
            formatOf(calendar, day).background() != QBrush()) {
            days.push_back(day);
        }
    }
    return days;
}

QStringList rowsOf(const QAbstractItemView& view) {
    QStringList rows;
    for (int row = 0; row < view.model()->rowCount(); ++row) {
        rows << view.model()->index(row, 0).data().toString();
    }
    return rows;
}

} // namespace almanor::testing
