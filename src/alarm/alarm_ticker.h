#pragma once

#include "alarm/alarm_rules.h"
#include "platform/platform.h"
#include "settings/settings.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QString>
#include <optional>
#include <string>

namespace almanor {

class NoteBook;

// The running clock's text in the locale's own form, to the second, e.g. "2:05:09 PM" for
// en_US and "14:05:09" for de_DE. The C locale shows the program's own form, the one alarm
// times are written in.
QString clockText(const TimeOfDay& time, const QLocale& locale = QLocale());

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
// The alarm's message follows the end of its sound. While the ticker's own sound plays (the
// alarm's or the chime's), while the alarm's box is open, and inside a nested event loop of a
// tick, a tick only shows the time: one sound never starts over another, and the first full
// tick after looks back over the seconds they took, so an alarm due meanwhile still fires.
class AlarmTicker final : public QObject {
    Q_OBJECT

public:
    AlarmTicker(AlarmDisplay& display, const NoteBook& notes, const Settings& settings,
                Platform& platform, QString appFolder, QObject* parent);

    const std::optional<std::string>& armedAlarm() const { return armedAlarm_; }
    // The second's tick at the local moment `now`.
    void tick(const QDateTime& now);

private:
    Date today() const;
    void armFromNote(const Date& day);
    void showClock(const TimeOfDay& time);
    void soundAlarm(const LocalDateTime& due);
    void tellAlarm(const Date& day);
    // `now` is read afresh after an alarm: a full hour that went by meanwhile is not chimed
    // late.
    void chimeIfDue(const LocalDateTime& now);
    // The alarm text of a day's note file.
    std::optional<std::string> alarmTextFromFile(const Date& day);

    AlarmDisplay& display_;
    const NoteBook& notes_;
    const Settings& settings_;
    Platform& platform_;
    QString appFolder_;
    std::optional<std::string> armedAlarm_;
    AlarmClock alarmClock_;
    bool ticking_ = false;  // a tick runs; a message it shows nests ticks of its own
    bool sounding_ = false; // the ticker's sound plays, or the alarm's box that follows it
};

} // namespace almanor
