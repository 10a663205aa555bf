#include "notes/month_marks.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "common/date.h"
#include "notes/note_folder_scanner.h"
#include "notes/note_record.h"

namespace almanor {

DayMarks monthFileMarks(const std::string& appFolder, int year, int month) {
    DayMarks marks;
    for (int day = 1; day <= daysInMonth(year, month); ++day) {
        const ReadResult file = readRegularFile(
            pathFromUtf8(joinPath(appFolder, noteFileName({year, month, day}))), kLargestNoteFile);
        if (!file.read()) {
            continue; // no note that day, or one that cannot be read and so is not listed
        }
        const auto record = readNoteRecord(file.bytes);
        if (!record || !record->isNote()) {
            continue;
        }
        const auto date = noteListLineDate(noteListLine(record->date, record->alarm, record->text));
        if (date && date->year == year && date->month == month) {
            marks.set(static_cast<std::size_t>(date->day));
        }
    }
    return marks;
}

bool filedUnderAnotherMonth(const NoteListEntry& note) {
    const auto date = noteListLineDate(note.line);
    if (!date) {
        return false;
    }
    // Compared as numbers: this runs for every note the first reading of the list finds. A
    // name that is no day of its month (20261200.dnf) is never among the month's own files.
    const auto fileDay = static_cast<int>(note.number % 100);
    return note.number / 100 != date->year * 100LL + date->month || fileDay < 1 ||
           fileDay > daysInMonth(date->year, date->month);
}

} // namespace almanor
