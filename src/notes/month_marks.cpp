#include "notes/month_marks.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "notes/note_catalog.h"
#include "notes/note_record.h"

namespace almanor {

DayMarks monthFileMarks(const std::string& appFolder, int year, int month) {
    DayMarks marks;
    for (int day = 1; day <= daysInMonth(year, month); ++day) {
        std::string bytes;
        if (!readWholeFile(pathFromUtf8(joinPath(appFolder, noteFileName({year, month, day}))),
                           bytes)) {
            continue; // no note that day, or one that cannot be read and so is not listed
        }
        const auto record = readNoteRecord(bytes);
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

namespace {

// The month a note file's name files it under, as the number yyyymm: the name's first six
// digits. Asked of every note whenever the list changes, so no text is built for it.
int filedMonth(std::string_view name) {
    int month = 0;
    for (const char digit : name.substr(0, 6)) {
        month = month * 10 + (digit - '0');
    }
    return month;
}

} // namespace

NoteList notesFiledUnderAnotherMonth(const NoteList& notes, std::size_t folderPrefixLength) {
    NoteList foreign;
    for (const NoteListEntry& note : notes) {
        const auto date = noteListLineDate(note.line);
        const std::string_view name = std::string_view(note.path).substr(folderPrefixLength);
        if (date && filedMonth(name) != date->year * 100 + date->month) {
            foreign.push_back(note);
        }
    }
    return foreign;
}

} // namespace almanor
