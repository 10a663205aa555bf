#pragma once

#include "common/atomic_file.h"
#include "common/date.h"
#include "notes/note_list.h"

#include <cstddef>
#include <functional>
#include <string>

namespace almanor {

struct PurgeOutcome {
    // False when a note file could not be deleted; the purge stopped there.
    bool completed = true;
    // The date text of that note, for "The Note For <date> Was Not Found!".
    std::string missingDate;
    std::size_t deleted = 0;
};

// Deletes the notes that are more than `deleteDays` days old (counted in midnights up to
// `today`, so 30 keeps the note of 30 days ago and deletes that of 31 days ago, and 0 keeps
// today's and future notes only). Works from the oldest entry at the end of the list to the
// newest, and removes each deleted note's entry from `notes`.
//
// When a file cannot be deleted (above all because it has vanished), its entry leaves the
// list as well and the purge stops: older entries already deleted stay deleted and newer
// ones are not examined, so the next purge continues from the notes that remain.
//
// An entry whose date is not a valid date (a damaged note file) is left alone: it is
// neither deleted nor reported. A negative `deleteDays` (a hand-edited settings file) is
// read as 0, so that a purge never reaches today's or future notes.
PurgeOutcome purgeOldNotes(NoteList& notes, const Date& today, int deleteDays,
                           const std::function<FileResult(const std::string& path)>& removeFile);

} // namespace almanor
