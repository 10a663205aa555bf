#include "calendar/month_calendar.h"

#include "calendar/weeks.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QHelpEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

namespace almanor {

namespace {

QDate toQDate(const Date& d) {
    return QDate(d.year, d.month, d.day);
}

Date fromQDate(const QDate& d) {
    return Date{d.year(), d.month(), d.day()};
}

// A date with the day clamped to the month's length, as when stepping from 31 March to April.
Date clampedDate(int year, int month, int day) {
    return Date{year, month, std::min(day, daysInMonth(year, month))};
}

} // namespace

MonthCalendar::MonthCalendar(QWidget* parent) : QWidget(parent), view_(new QCalendarWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    // The month and year stay on show; stepping is the window's own up and down arrows.
    for (const char* name : {"qt_calendar_prevmonth", "qt_calendar_nextmonth"}) {
        if (auto* button = view_->findChild<QWidget*>(QLatin1String(name))) {
            button->hide();
            button->setMaximumWidth(0);
        }
    }
    // The month's drop-down mark is drawn in the button's corner, over the month's last letter
    // unless the caption keeps clear of it.
    if (auto* month = view_->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"))) {
        month->setStyleSheet(QStringLiteral("QToolButton { padding-right: %1px; }")
                                 .arg(month->style()->pixelMetric(QStyle::PM_MenuButtonIndicator)));
    }
    view_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    view_->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    view_->setGridVisible(false);
    view_->setMinimumDate(QDate(100, 1, 1));
    view_->setMaximumDate(QDate(9999, 12, 31));
    view_->setAccessibleName(tr("Calendar"));
    // Seven columns of day numbers must fit the window's narrow calendar area.
    QFont font = view_->font();
    font.setPixelSize(10);
    view_->setFont(font);
    days_ = view_->findChild<QTableView*>();
    if (days_ != nullptr) {
        days_->setAccessibleName(tr("Days of the month")); // it holds the keyboard
        days_->horizontalHeader()->setMinimumSectionSize(1);
        days_->verticalHeader()->setMinimumSectionSize(1);
        days_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        days_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        days_->viewport()->installEventFilter(this);
    }
    // No date is selected until the window sets one, so its first write always raises the
    // change that loads the day's note.
    value_ = Date{0, 0, 0};
    today_ = value_;
    connect(view_, &QCalendarWidget::selectionChanged, this, &MonthCalendar::selectFromView);
    connect(view_, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        // Paging with the keyboard (e.g. Page Down) moves the selection along with the page.
        if (year == value_.year && month == value_.month) {
            return;
        }
        // A click on a day of the neighbouring month selects that day, not the same day number.
        const QDate selected = view_->selectedDate();
        if (selected.year() == year && selected.month() == month) {
            setValue(fromQDate(selected));
        } else {
            setValue(clampedDate(year, month, value_.day));
        }
    });
}

void MonthCalendar::setValue(const Date& date) {
    if (date == value_ || !date.isValid()) {
        return;
    }
    value_ = date;
    {
        const QSignalBlocker blocker(view_);
        view_->setSelectedDate(toQDate(date));
        view_->setCurrentPage(date.year, date.month);
    }
    applyFormats();
    emit dateChange();
}

void MonthCalendar::setYear(int year) {
    setValue(clampedDate(year, value_.month, value_.day));
}

void MonthCalendar::setMonth(int month) {
    if (month < 1 || month > 12) {
        return;
    }
    setValue(clampedDate(value_.year, month, value_.day));
}

void MonthCalendar::setDayMark(int day, bool marked) {
    if (day >= 1 && day <= 31) {
        pendingMarks_[static_cast<std::size_t>(day)] = marked;
    }
}

bool MonthCalendar::dayMark(int day) const {
    return day >= 1 && day <= 31 && pendingMarks_[static_cast<std::size_t>(day)];
}

void MonthCalendar::refreshMarks() {
    shownMarks_ = pendingMarks_;
    const int length = daysInMonth(value_.year, value_.month);
    for (int day = length + 1; day <= 31; ++day) {
        shownMarks_[static_cast<std::size_t>(day)] = false;
    }
    applyFormats();
}

void MonthCalendar::setToday(const Date& today) {
    if (today != today_) {
        today_ = today;
        applyFormats();
    }
}

void MonthCalendar::setWeekLayout(int firstDay, bool weekNumbers) {
    weekNumbers_ = weekNumbers;
    view_->setFirstDayOfWeek(firstDay == 0 ? Qt::Sunday : static_cast<Qt::DayOfWeek>(firstDay));
    view_->setVerticalHeaderFormat(weekNumbers ? QCalendarWidget::ISOWeekNumbers
                                               : QCalendarWidget::NoVerticalHeader);
}

void MonthCalendar::selectFromView() {
    setValue(fromQDate(view_->selectedDate()));
}

void MonthCalendar::applyFormats() {
    view_->setDateTextFormat(QDate(), QTextCharFormat()); // forget the previous month's marks
    // Both colours are set, so a marked day reads the same in light and dark desktop themes.
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 213, 79));
    marked.setForeground(QColor(40, 30, 0));
    marked.setFontWeight(QFont::Bold);
    const int length = daysInMonth(value_.year, value_.month);
    for (int day = 1; day <= length; ++day) {
        if (shownMarks_[static_cast<std::size_t>(day)]) {
            view_->setDateTextFormat(QDate(value_.year, value_.month, day), marked);
        }
    }
    if (today_.isValid()) {
        const QDate today = toQDate(today_);
        QTextCharFormat format = view_->dateTextFormat(today);
        format.setFontUnderline(true);
        format.setFontWeight(QFont::Black);
        view_->setDateTextFormat(today, format);
    }
}

// The table shows six weeks under its header. A day of the month before lies in the first two
// weeks with a number above 14, one of the month after in the last two with a number below 15.
std::optional<Date> MonthCalendar::dateOf(const QModelIndex& cell) const {
    bool isDay = false;
    const int day = cell.data().toInt(&isDay);
    const int week = cell.row() - (days_->model()->rowCount() - 6);
    const int firstDayColumn = days_->model()->columnCount() - 7;
    if (!isDay || week < 0 || cell.column() < firstDayColumn) {
        return std::nullopt;
    }
    const int monthStep = week < 2 && day > 14 ? -1 : (week > 3 && day < 15 ? 1 : 0);
    const int months = value_.year * 12 + value_.month - 1 + monthStep;
    return Date{months / 12, months % 12 + 1, day};
}

// A week's number tells the year the week belongs to, which at the turn of the year may be the
// one before or after; a marked day of the shown month tells its note.
QString MonthCalendar::tipAt(const QPoint& pos) const {
    const QModelIndex cell = days_->indexAt(pos);
    if (weekNumbers_ && cell.column() == 0) {
        const std::optional<Date> rowStart = dateOf(cell.siblingAtColumn(1));
        if (!rowStart) {
            return {};
        }
        const IsoWeek week = weekOfRow(*rowStart);
        return tr("Week %1 of %2").arg(week.week).arg(week.year);
    }
    const std::optional<Date> day = dateOf(cell);
    const bool marked =
        day && day->month == value_.month && shownMarks_[static_cast<std::size_t>(day->day)];
    return marked && dayTip_ ? dayTip_(*day) : QString();
}

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || days_ == nullptr || watched != days_->viewport()) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = tipAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore(); // as a widget without a tip does
    } else {
        QToolTip::showText(help->globalPos(), tip, days_->viewport(),
                           days_->visualRect(days_->indexAt(help->pos())));
    }
    return true;
}

} // namespace almanor
