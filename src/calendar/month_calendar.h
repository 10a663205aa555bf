#pragma once

#include "common/date.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QCalendarWidget;
class QTableView;

namespace almanor {

// The month view of the calendar window. It holds one selected date and raises dateChange
// synchronously, inside the write that changed it (and for a user's pick), exactly once per
// real change and never when the date stays the same, so the window's handlers can rely on
// the nesting. Years 100 to 9999 can be selected, so that a step below the year 1000 can be
// seen and put back by the window.
class MonthCalendar final : public QWidget {
    Q_OBJECT

public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    Date value() const { return value_; }
    void setValue(const Date& date);
    int year() const { return value_.year; }
    void setYear(int year);
    int month() const { return value_.month; }
    void setMonth(int month);

    // Marks take effect at the next refreshMarks; a day past the month's end changes nothing.
    void setDayMark(int day, bool marked);
    bool dayMark(int day) const;
    void refreshMarks();

    // Today is drawn distinctly; the window tells the control which day that is.
    void setToday(const Date& today);

    // The weekday each row starts on (0 = Sunday ... 6 = Saturday) and whether a column before
    // the days numbers the rows by their ISO week.
    void setWeekLayout(int firstDay, bool weekNumbers);

    // What the tip of a marked day of the shown month says (empty: none). Asked as the pointer
    // comes to rest on the day, so that it tells the note as it is then.
    void setDayTip(std::function<QString(const Date&)> tip) { dayTip_ = std::move(tip); }

    QCalendarWidget* view() const { return view_; }

signals:
    void dateChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectFromView();
    void applyFormats();
    std::optional<Date> dateOf(const QModelIndex& cell) const;
    QString tipAt(const QPoint& pos) const;

    QCalendarWidget* view_;
    QTableView* days_ = nullptr;
    std::function<QString(const Date&)> dayTip_;
    Date value_;
    Date today_;
    bool weekNumbers_ = false;
    std::array<bool, 32> pendingMarks_{};
    std::array<bool, 32> shownMarks_{};
};

} // namespace almanor
