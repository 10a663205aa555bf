#include "alarm/alarm_ticker.h"

#include "alarm/qt_date_time.h"
#include "notes/note_book.h"
#include "platform/sound_files.h"

#include <QScopedValueRollback>
#include <algorithm>

namespace almanor {

QString clockText(const TimeOfDay& time, const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return QString::fromStdString(formatTimeOfDay(time));
    }
    // The long form is the one with seconds; its time zone (an unquoted "t") is left out.
    QString format;
    bool quoted = false;
    for (const QChar c : locale.timeFormat(QLocale::LongFormat)) {
        quoted ^= c == QLatin1Char('\'');
        if (quoted || c != QLatin1Char('t')) {
            format += c;
        }
    }
    return locale.toString(QTime(time.hour, time.minute, time.second), format.trimmed());
}

AlarmTicker::AlarmTicker(AlarmDisplay& display, const NoteBook& notes, const Settings& settings,
                         Platform& platform, QString appFolder, QObject* parent)
    : QObject(parent), display_(display), notes_(notes), settings_(settings), platform_(platform),
      appFolder_(std::move(appFolder)),
      alarmClock_([this](const Date& day) { return alarmTextFromFile(day); }) {
    connect(&notes_, &NoteBook::noteChanged, this, [this](const Date& day) {
        if (day == today()) {
            armFromNote(day);
        }
    });
    connect(&notes_, &NoteBook::notesRemoved, this, [this](const std::vector<Date>& days) {
        if (std::ranges::find(days, today()) != days.end()) {
            armFromNote(today());
        }
    });
    // Only the time at once: the window is still being set up.
    showClock(timeOfDayOf(platform_.clock.now().time()));
    armFromNote(today());
}

void AlarmTicker::tick(const QDateTime& moment) {
    const LocalDateTime now = localDateTimeOf(moment);
    showClock(now.time);
    if (ticking_ || sounding_) {
        return;
    }
    const QScopedValueRollback<bool> guard(ticking_, true);

    display_.setToday(now.date);
    const AlarmTick result = alarmClock_.tick(now, settings_.alarmEnabled);
    if (result.alarm) {
        soundAlarm(*result.alarm);
    } else {
        chimeIfDue(now);
    }
}

Date AlarmTicker::today() const {
    return localDateTimeOf(platform_.clock.now()).date;
}

void AlarmTicker::armFromNote(const Date& day) {
    alarmClock_.arm(day, alarmTextFromFile(day));
}

void AlarmTicker::showClock(const TimeOfDay& time) {
    display_.showTime(clockText(time));
}

void AlarmTicker::soundAlarm(const LocalDateTime& due) {
    // The note the alarm belongs to is shown (a date change: it is loaded from its file), and
    // the window stays where it is. That day is today, unless a tick late over midnight
    // still owes yesterday's alarm.
    display_.showDay(due.date);
    sounding_ = true;
    playWave(platform_.sound, appFolder_, QString::fromStdString(settings_.alarmSound), this,
             [this, day = due.date](SoundEnd) { tellAlarm(day); });
}

void AlarmTicker::tellAlarm(const Date& day) {
    // The user may have gone to another day while the sound played; the message is about the
    // alarm's note, so its day is shown again beside it.
    display_.showDay(day);
    const TimeOfDay afterSound = timeOfDayOf(platform_.clock.now().time());
    const ShownNote note = notes_.load(day);
    const QString text = note.status == LoadResult::Status::Loaded ? note.text : QString();
    platform_.messageBox.show(text, MessageStyle::Warning,
                              QString::fromStdString(formatTimeOfDay(afterSound)));
    sounding_ = false;
    chimeIfDue(localDateTimeOf(platform_.clock.now()));
}

void AlarmTicker::chimeIfDue(const LocalDateTime& now) {
    if (alarmClock_.takeChime(now, settings_.hourlyChime)) {
        sounding_ = true;
        playWave(platform_.sound, appFolder_, QString::fromStdString(settings_.chimeSound), this,
                 [this](SoundEnd) { sounding_ = false; });
    }
}

std::optional<std::string> AlarmTicker::alarmTextFromFile(const Date& day) {
    const ShownNote note = notes_.load(day);
    if (note.status == LoadResult::Status::Loaded && !note.alarm.isEmpty()) {
        armedAlarm_ = note.alarm.toStdString();
    } else {
        armedAlarm_.reset();
    }
    return armedAlarm_;
}

} // namespace almanor
