#include "shell/apply_settings.h"

#include "calendar/calendar_window.h"
#include "notes/note_messages.h"
#include "shell/program.h"

namespace almanor {

namespace {

// The start-up purge waiting for the list, as a child of the calendar window.
constexpr QLatin1String kWaitingPurge("waitingPurge");

void purgeOldNotes(Program& program, int daysToKeep, bool askFirst) {
    Platform& platform = program.platform();
    // When all old notes went, the calendar window reloads its note and marks on the note
    // book's word; otherwise the rest go at the next start or Apply, and the day's note and
    // the marks stay as they are until then. The shown day's note is spared: the user may be
    // typing into it.
    const QDate now = platform.clock.now().date();
    const Date today{now.year(), now.month(), now.day()};
    const Date spared = program.calendarWindow()->selectedDate();
    if (askFirst) {
        const std::size_t count = program.notes().oldNoteCount(today, daysToKeep, spared);
        if (count == 0 ||
            platform.messageBox.show(purgeQuestion(count, daysToKeep), MessageStyle::DeleteOkCancel,
                                     deleteQuestionTitle()) != Answer::Ok) {
            return;
        }
    }
    const NoteRemovalOutcome outcome = program.notes().purge(today, daysToKeep, spared);
    if (!outcome.completed) {
        platform.messageBox.show(removalFailureMessage(outcome), MessageStyle::Warning);
    }
}

} // namespace

void applySettings(Program& program, PurgeTiming purgeTiming, const Settings* before) {
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
        // Notes that aged past a limit the user already had go as they would at a start.
        purgeOldNotes(program, settings.daysToKeep,
                      before != nullptr &&
                          (!before->deleteOldNotes || settings.daysToKeep < before->daysToKeep));
        return;
    }
    // The limit as the file gave it at the start, taken now: the purge runs a while later.
    auto* waiting = new QObject(&window);
    waiting->setObjectName(kWaitingPurge);
    QObject::connect(
        &program.notes(), &NoteBook::listRead, waiting,
        [&program, waiting, daysToKeep = settings.daysToKeep] {
            waiting->deleteLater();
            purgeOldNotes(program, daysToKeep, false);
        },
        Qt::SingleShotConnection);
}

} // namespace almanor
