#include "calendar/calendar_window.h"
#include "overview/overview_window.h"
#include "settings/purge.h"
#include "shell/program.h"

namespace almanor {

void Program::applySettings() {
    CalendarWindow& window = calendarWindow();
    window.setStaysOnTop(isOn(settings.utop));
    if (isOn(settings.uslide)) {
        window.startSlideAway();
    }
    if (isOn(settings.utask)) {
        platform_.tray.show();
    } else {
        platform_.tray.hide();
    }
    if (!isOn(settings.udel)) {
        return;
    }

    OverviewWindow& overview = overviewWindow(); // the list it shows is the one purged
    const QDate now = platform_.clock.now().date();
    const NoteRemovalOutcome outcome = purgeOldNotes(
        noteList_, Date{now.year(), now.month(), now.day()}, settings.deleteDays, removeNoteFile);
    if (outcome.deleted > 0 || !outcome.completed) {
        // Before any message: the overview may be open and must not read a shorter list
        // under its old row count.
        overview.noteListReset();
    }
    if (!outcome.completed) {
        // The rest of the old notes go at the next start or Apply; the day's note and the
        // marks are left as they are until then.
        msgAnswer = platform_.messageBox.show(
            QString::fromStdString(removalFailureMessage(outcome)), msg::Exclamation);
        return;
    }
    loadNote(); // the selected day's note may have been among the deleted
    markNoteDays();
}

} // namespace almanor
