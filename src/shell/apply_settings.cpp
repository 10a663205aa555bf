#include "shell/apply_settings.h"

#include "calendar/calendar_window.h"
#include "shell/program.h"

namespace almanor {

namespace {

void purgeOldNotes(Program& program) {
    Platform& platform = program.platform();
    // When all old notes went, the calendar window reloads its note and marks on the note
    // book's word; otherwise the rest go at the next start or Apply, and the day's note and
    // the marks stay as they are until then.
    const QDate now = platform.clock.now().date();
    const NoteRemovalOutcome outcome = program.notes().purge(
        Date{now.year(), now.month(), now.day()}, program.settings().deleteDays);
    if (!outcome.completed) {
        platform.messageBox.show(QString::fromStdString(removalFailureMessage(outcome)),
                                 msg::Exclamation);
    }
}

} // namespace

void applySettings(Program& program, PurgeTiming purgeTiming) {
    const Settings& settings = program.settings();
    Platform& platform = program.platform();
    CalendarWindow& window = program.calendarWindow();
    window.setStaysOnTop(isOn(settings.utop));
    if (isOn(settings.uslide)) {
        window.startSlideAway();
    }
    if (isOn(settings.utask)) {
        platform.tray.show();
    } else {
        platform.tray.hide();
    }
    if (!isOn(settings.udel)) {
        return;
    }
    if (purgeTiming == PurgeTiming::Now) {
        purgeOldNotes(program);
    } else {
        QObject::connect(
            &program.notes(), &NoteBook::listChanged, &window,
            [&program] { purgeOldNotes(program); }, Qt::SingleShotConnection);
    }
}

} // namespace almanor
