#pragma once

#include "common/date.h"
#include "notes/note_list.h"
#include "notes/note_removal.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace almanor {

// Deletes the notes that are more than `daysToKeep` days old (counted in midnights up to
// `today`, so 30 keeps the note of 30 days ago and deletes that of 31 days ago, and 0 keeps
// today's and future notes only). Works from the oldest entry at the end of the list to the
// newest, and takes out each deleted note's entry.
//
// When a file cannot be deleted (above all because it has vanished) the purge stops: older
// entries already deleted stay deleted and newer ones are not examined, so the next purge
// continues from the notes that remain.
//
// A note is old only when both its date field and its file's name say so: a damaged date
// field, or a file whose name and date field disagree, is left alone (neither deleted nor
// reported). The note of `spared`, the day the user has in front of them, is never deleted.
// `daysToKeep` is never negative: the settings refuse a negative limit.
NoteRemovalOutcome purgeOldNotes(const NoteList& notes, const Date& today, int daysToKeep,
                                 const Date& spared, const NoteFileRemover& remove,
                                 const NoteListTakeOut& takeOut);
// The positions of the notes purgeOldNotes would delete.
std::vector<std::size_t> oldNotePositions(const NoteList& notes, const Date& today, int daysToKeep,
                                          const Date& spared);

} // namespace almanor
