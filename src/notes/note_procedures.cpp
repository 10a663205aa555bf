// The note procedures of the program: they join the note store and the note list to the
// calendar window's fields and the overview window's list.
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "notes/day_marks.h"
#include "notes/note_record.h"
#include "overview/overview_window.h"
#include "shell/program.h"

#include <QLineEdit>

namespace almanor {

namespace {

// The window shows line breaks as the text field keeps them; the file holds CR LF.
std::string toStoredText(const QString& text) {
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return stored.toStdString();
}

// Other programs may have written straight double quotes; the window shows them as the form
// they will be saved in, as it does with typed ones.
QString fromStoredText(const std::string& text) {
    QString shown = QString::fromStdString(replaceDoubleQuotes(text));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

NoteStore Program::noteStore() const {
    return NoteStore(appFolder());
}

void Program::saveNote() {
    if (!hasCalendarWindow()) {
        return;
    }
    CalendarWindow& window = calendarWindow();
    if (window.noteIsLocked()) {
        return; // never write over a note file that could not be read
    }
    const FileResult result =
        noteStore().save(window.selectedDate(), toStoredText(window.noteBox().noteText()),
                         toStoredText(window.alarmField().text()));
    window.reportSaveResult(result.ok, QString::fromStdString(result.error));
}

void Program::loadNote() {
    CalendarWindow& window = calendarWindow();
    const LoadResult note = noteStore().load(window.selectedDate());
    switch (note.status) {
    case LoadResult::Status::Loaded: {
        const QString text = fromStoredText(note.text);
        if (text.size() > NoteEdit::kLongestNoteShown) {
            // Laying out megabytes in the note field would freeze the program; such a file
            // was not written here, so it is shown as one that cannot be edited, untouched.
            window.showUnreadableNote(
                QStringLiteral("its note has %1 characters, too many to show here")
                    .arg(text.size()));
        } else {
            window.showLoadedNote(text, fromStoredText(note.alarm));
        }
        break;
    }
    case LoadResult::Status::NoFile:
        window.showLoadedNote(QString(), QString());
        break;
    case LoadResult::Status::Unreadable:
        window.showUnreadableNote(QString::fromStdString(note.reason));
        break;
    }
}

void Program::refreshNoteList() {
    OverviewWindow& overview = overviewWindow(); // the list lives there, even while hidden
    noteList_ = catalog_.refresh();
    overview.noteListReset();
}

void Program::showNoteList() {
    refreshNoteList();
    OverviewWindow& overview = overviewWindow();
    overview.show();
    overview.raise();
    overview.activateWindow();
}

void Program::markNoteDays() {
    markDaysFromList();
    refreshNoteList();
}

void Program::markDaysFromList() {
    clearDayMarks();
    MonthCalendar& calendar = calendarWindow().calendar();
    const DayMarks marks = markedDays(noteList_, calendar.year(), calendar.month());
    for (int day = 1; day <= 31; ++day) {
        if (marks[static_cast<std::size_t>(day)]) {
            calendar.setDayMark(day, true);
        }
    }
    calendar.refreshMarks();
}

void Program::clearDayMarks() {
    MonthCalendar& calendar = calendarWindow().calendar();
    for (int day = 1; day <= 31; ++day) {
        calendar.setDayMark(day, false);
    }
}

} // namespace almanor
