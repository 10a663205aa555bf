#pragma once

#include "alarm/alarm_rules.h"
#include "alarm/alarm_window.h"
#include "common/data_folder.h"
#include "platform/platform.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QString>
#include <optional>
#include <string>

namespace almanor {

class NoteBook;
class ProgramSettings;

// The running clock's text in the locale's own form, to the second, e.g. "2:05:09 PM" for
// en_US and "14:05:09" for de_DE. The C locale shows the program's own form, the one alarm
// times are written in. The form is worked out once (empty for the C locale); the clock ticks
// every second.
QString clockFormat(const QLocale& locale);
QString clockText(const TimeOfDay& time, const QLocale& locale, const QString& format);
inline QString clockText(const TimeOfDay& time, const QLocale& locale = QLocale()) {
    return clockText(time, locale, clockFormat(locale));
}

// What the clock needs of the window that shows the time and the day's note.
class AlarmDisplay {
public:
    virtual ~AlarmDisplay() = default;
    virtual void showTime(const QString& time) = 0;
    virtual void setToday(const Date& today) = 0;
    // Shows a day and its note, as choosing that day in the calendar does.
    virtual void showDay(const Date& day) = 0;
};

// The clock of the calendar window: each second's tick shows the time, fires the alarm of
// today's note when its time has come, and sounds the hourly chime. Today's alarm and the
// alarm's message come from the note files: it arms again whenever the note book says today's
// note changed or went.
//
// Sounds play while the program goes on, so the clock keeps ticking and the note takes typing.
// The alarm's window follows the end of its sound; a missed alarm and a reminder come quietly.
// The window goes to the desktop's notifications as well, where the user wants that; an answer
// in either answers both. While the ticker's own sound plays (the alarm's or the chime's), and
// inside a nested event loop of a tick, a tick only shows the time: one sound never starts over
// another, and the first full tick after looks back over the seconds they took, so an alarm due
// meanwhile still fires. The alarm told last is kept in almanor.ini, so that a missed alarm is
// told once, not at every start.
class AlarmTicker final : public QObject {
    Q_OBJECT

public:
    // `window` is the display's window, beside which the alarm's window comes up.
    AlarmTicker(AlarmDisplay& display, const QWidget& window, const NoteBook& notes,
                ProgramSettings& settings, Platform& platform, const Folders& folders,
                QObject* parent);

    const std::optional<std::string>& armedAlarm() const { return armedAlarm_; }
    // The second's tick at the local moment `now`.
    void tick(const QDateTime& now);

private:
    Date today() const;
    void armFromNote(const Date& day);
    void showClock(const TimeOfDay& time);
    void soundAlarm(const LocalDateTime& due);
    void tellAlarm(const LocalDateTime& alarm, AlarmCall call);
    AlarmMessage messageOf(const LocalDateTime& alarm, AlarmCall call, bool withDay) const;
    void snooze(int minutes);
    void rememberTold(const LocalDateTime& alarm);
    // `now` is read afresh after an alarm: a full hour that went by meanwhile is not chimed
    // late.
    void chimeIfDue(const LocalDateTime& now);
    // The alarm text of a day's note file.
    std::optional<std::string> alarmTextFromFile(const Date& day);

    AlarmDisplay& display_;
    const QWidget& window_;
    const NoteBook& notes_;
    ProgramSettings& settings_;
    Platform& platform_;
    QString soundFolder_;
    std::string stateFolder_; // the user's, where almanor.ini keeps the alarm told last
    QLocale clockLocale_;     // the language is chosen once, before the program starts
    QString clockFormat_;
    std::optional<std::string> armedAlarm_;
    AlarmClock alarmClock_;
    bool ticking_ = false;  // a tick runs; a message it shows nests ticks of its own
    bool sounding_ = false; // the ticker's sound plays
    AlarmWindow alarmWindow_;
    std::optional<LocalDateTime> toldAlarm_; // the alarm the window and notice tell of
};

} // namespace almanor
