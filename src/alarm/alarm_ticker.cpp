#include "alarm/alarm_ticker.h"

#include "alarm/qt_date_time.h"
#include "notes/note_book.h"
#include "platform/sound_files.h"
#include "platform/twips_rect.h"
#include "settings/preferences_file.h"
#include "settings/program_settings.h"

#include <QLocale>
#include <QScopedValueRollback>
#include <algorithm>

namespace almanor {

namespace {

const std::string kToldAlarmKey = "State/alarmTold";
const QString kSnoozeKey = QStringLiteral("snooze");
const QString kDismissKey = QStringLiteral("dismiss");

} // namespace

QString clockFormat(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return {};
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
    return format.trimmed();
}

QString clockText(const TimeOfDay& time, const QLocale& locale, const QString& format) {
    return format.isEmpty() ? QString::fromStdString(formatTimeOfDay(time))
                            : locale.toString(QTime(time.hour, time.minute, time.second), format);
}

AlarmTicker::AlarmTicker(AlarmDisplay& display, const QWidget& window, const NoteBook& notes,
                         ProgramSettings& settings, Platform& platform, const Folders& folders,
                         QObject* parent)
    : QObject(parent), display_(display), window_(window), notes_(notes), settings_(settings),
      platform_(platform), soundFolder_(QString::fromStdString(folders.resources)),
      stateFolder_(folders.data), clockFormat_(clockFormat(clockLocale_)),
      alarmClock_([this](const Date& day) { return alarmTextFromFile(day); }) {
    const PreferenceValues state = loadPreferenceValues(stateFolder_).values;
    if (const auto told = state.find(kToldAlarmKey); told != state.end()) {
        if (const auto alarm = parseToldAlarm(told->second)) {
            alarmClock_.restoreTold(*alarm);
        }
    }
    connect(&alarmWindow_, &AlarmWindow::snoozed, this, [this](int minutes) {
        platform_.notifier.withdraw();
        snooze(minutes);
    });
    connect(&alarmWindow_, &AlarmWindow::dismissed, this,
            [this] { platform_.notifier.withdraw(); });
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
    alarmClock_.remindBefore(settings_.preferences().remindMinutesBefore);
    const AlarmTick result = alarmClock_.tick(now, settings_.inEffect().alarmEnabled);
    if (result.fireAlarm()) {
        soundAlarm(*result.alarm);
        return;
    }
    if (result.alarm) {
        tellAlarm(*result.alarm, result.call);
    }
    chimeIfDue(now);
}

Date AlarmTicker::today() const {
    return localDateTimeOf(platform_.clock.now()).date;
}

void AlarmTicker::armFromNote(const Date& day) {
    alarmClock_.arm(day, alarmTextFromFile(day));
}

void AlarmTicker::showClock(const TimeOfDay& time) {
    display_.showTime(clockText(time, clockLocale_, clockFormat_));
}

void AlarmTicker::soundAlarm(const LocalDateTime& due) {
    // The note the alarm belongs to is shown (a date change: it is loaded from its file), and
    // the window stays where it is. That day is today, unless a tick late over midnight
    // still owes yesterday's alarm.
    display_.showDay(due.date);
    sounding_ = true;
    playWave(platform_.sound, soundFolder_, QString::fromStdString(settings_.inEffect().alarmSound),
             this, [this, due](SoundEnd) {
                 // The user may have gone to another day while the sound played; the window is
                 // about the alarm's note, so its day is shown again beside it.
                 display_.showDay(due.date);
                 sounding_ = false;
                 tellAlarm(due, AlarmCall::Sound);
                 chimeIfDue(localDateTimeOf(platform_.clock.now()));
             });
}

void AlarmTicker::tellAlarm(const LocalDateTime& alarm, AlarmCall call) {
    if (call != AlarmCall::Reminder) {
        rememberTold(alarm);
    }
    toldAlarm_ = alarm;
    const Preferences& preferences = settings_.preferences();
    const ScreenMetrics& screen = platform_.screen;
    alarmWindow_.tell(messageOf(alarm, call, true), preferences.snoozeMinutes, window_,
                      twipsRect(screen.leftTwips(), screen.topTwips(), screen.widthTwips(),
                                screen.heightTwips()));
    if (!preferences.notifyThroughDesktop) {
        return;
    }
    const AlarmMessage notice = messageOf(alarm, call, false);
    // The first lines: a notice is a glance, the window holds the whole note.
    DesktopNotice desktopNotice{notice.heading, notice.note.section(QLatin1Char('\n'), 0, 2), {}};
    if (notice.offersSnooze) {
        desktopNotice.actions.emplace_back(kSnoozeKey, tr("Snooze"));
    }
    desktopNotice.actions.emplace_back(kDismissKey, tr("Dismiss"));
    platform_.notifier.send(desktopNotice, [this](const QString& key) {
        alarmWindow_.hide();
        if (key == kSnoozeKey) {
            snooze(settings_.preferences().snoozeMinutes);
        }
    });
}

AlarmMessage AlarmTicker::messageOf(const LocalDateTime& alarm, AlarmCall call,
                                    bool withDay) const {
    const QDate date(alarm.date.year, alarm.date.month, alarm.date.day);
    const QString time = QString::fromStdString(formatAlarmTime(alarm.time));
    const QString when = withDay
                             ? tr("%1 %2, %3", "day of the week, date, time")
                                   .arg(QLocale().dayName(date.dayOfWeek()),
                                        QString::fromStdString(formatDateText(alarm.date)), time)
                             : time;
    const ShownNote note = notes_.load(alarm.date);
    AlarmMessage message{tr("Alarm – %1").arg(time), tr("Alarm – %1").arg(when),
                         note.status == LoadResult::Status::Loaded ? note.text : QString()};
    if (call == AlarmCall::Missed) {
        message.title = tr("Missed alarm – %1").arg(time);
        message.heading = tr("Missed alarm – %1").arg(when);
    } else if (call == AlarmCall::Reminder) {
        const int minutes = settings_.preferences().remindMinutesBefore;
        message.title = tr("In %1 minutes – %2").arg(minutes).arg(time);
        message.heading = tr("In %1 minutes – %2").arg(minutes).arg(when);
        message.offersSnooze = false;
    }
    return message;
}

void AlarmTicker::snooze(int minutes) {
    if (toldAlarm_) {
        alarmClock_.snooze(*toldAlarm_, localDateTimeOf(platform_.clock.now()), minutes);
    }
    Preferences preferences = settings_.preferences();
    if (preferences.snoozeMinutes != minutes) {
        preferences.snoozeMinutes = minutes;
        settings_.applyPreferences(preferences);
    }
}

void AlarmTicker::rememberTold(const LocalDateTime& alarm) {
    // Not being able to write the state costs at most one more telling of a missed alarm.
    storePreferenceValues(stateFolder_, {{kToldAlarmKey, toldAlarmText(alarm)}});
}

void AlarmTicker::chimeIfDue(const LocalDateTime& now) {
    if (alarmClock_.takeChime(now, settings_.inEffect().hourlyChime)) {
        sounding_ = true;
        playWave(platform_.sound, soundFolder_,
                 QString::fromStdString(settings_.inEffect().chimeSound), this,
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
