#include "notes/month_marks.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "notes/note_catalog.h"
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

NoteList notesFiledUnderAnotherMonth(const NoteList& notes, std::size_t folderPrefixLength) {
    NoteList foreign;
    for (const NoteListEntry& note : notes) {
        const auto date = noteListLineDate(note.line);
        const std::string_view name = std::string_view(note.path).substr(folderPrefixLength);
        // Compared as numbers: this runs over every note whenever the list changes.
        if (date && noteFileNumber(name) / 100 != date->year * 100LL + date->month) {
            foreign.push_back(note);
        }
    }
    return foreign;
}

} // namespace almanor
