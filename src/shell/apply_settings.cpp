#include "shell/apply_settings.h"

#include "alarm/qt_date_time.h"
#include "calendar/calendar_window.h"
#include "notes/note_messages.h"
#include "shell/program.h"

namespace almanor {

namespace {

// The start-up purge waiting for the list, as a child of the calendar window.
constexpr QLatin1String kWaitingPurge("waitingPurge");

Date today(Program& program) {
    return dateOf(program.platform().clock.now().date());
}

void purgeOldNotes(Program& program, int daysToKeep) {
    // When all old notes went, the calendar window reloads its note and marks on the note
    // book's word; otherwise the rest go at the next start or Apply, and the day's note and
    // the marks stay as they are until then. The shown day's note is spared: the user may be
    // typing into it.
    const NoteRemovalOutcome outcome =
        program.notes().purge(today(program), daysToKeep, program.calendarWindow()->selectedDate());
    if (!outcome.completed) {
        program.platform().messageBox.show(removalFailureMessage(outcome), MessageStyle::Warning);
    }
}

} // namespace

bool purgeApproved(Program& program, const Settings& next) {
    const Settings& now = program.settings().inEffect();
    if (!next.deleteOldNotes || (now.deleteOldNotes && next.daysToKeep >= now.daysToKeep)) {
        return true; // notes that aged past a limit the user already had go as at a start
    }
    const std::size_t count = program.notes().oldNoteCount(
        today(program), next.daysToKeep, program.calendarWindow()->selectedDate());
    return count == 0 || program.platform().messageBox.show(purgeQuestion(count, next.daysToKeep),
                                                            MessageStyle::DeleteOkCancel,
                                                            deleteQuestionTitle()) == Answer::Ok;
}

void applySettings(Program& program, PurgeTiming purgeTiming) {
    const Settings& settings = program.settings().inEffect();
    Platform& platform = program.platform();
    CalendarWindow& window = *program.calendarWindow();
    window.setStaysOnTop(settings.alwaysOnTop);
    if (settings.slideAway) {
        window.startSlideAway();
    }
    if (settings.trayIcon) {
        platform.tray.show();
    } else {
        platform.tray.hide();
    }
    // An Apply purges by what it applies: a start-up purge still waiting would use the
    // settings it replaced.
    delete window.findChild<QObject*>(kWaitingPurge, Qt::FindDirectChildrenOnly);
    if (!settings.deleteOldNotes) {
        return;
    }
    if (purgeTiming == PurgeTiming::Now) {
        purgeOldNotes(program, settings.daysToKeep);
        return;
    }
    // The limit as the file gave it at the start, taken now: the purge runs a while later.
    auto* waiting = new QObject(&window);
    waiting->setObjectName(kWaitingPurge);
    QObject::connect(
        &program.notes(), &NoteBook::listRead, waiting,
        [&program, waiting, daysToKeep = settings.daysToKeep] {
            waiting->deleteLater();
            purgeOldNotes(program, daysToKeep);
        },
        Qt::SingleShotConnection);
}

} // namespace almanor
