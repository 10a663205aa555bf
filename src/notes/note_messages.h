#pragma once

#include "common/atomic_file.h"
#include "common/date.h"
#include "notes/note_removal.h"
#include "notes/note_store.h"

#include <QString>
#include <string>

namespace almanor {

// What the user is told about the note files, each sentence worded here once.

// Why the day's note file cannot be shown: "The note file 20000101.dnf is not a regular file."
QString unreadableNoteText(const Date& day, LoadResult::Problem problem,
                           const std::string& systemReason);

// Why the day's note was not saved, or its emptied file not removed.
QString noteSaveFailureText(const Date& day, const FileResult& result);

// Why the user's text could not be kept in a file of its own beside the notes.
QString keepAsideFailureText(const Date& day, const FileResult& result);

// Why deleting the day's note, or all notes, failed; empty when it did not.
QString noteDeleteFailureText(const Date& day, const FileResult& result);
QString notesDeleteFailureText(const NoteDeletion& deletion);

// Where deleting listed notes stopped: "The Note For <date> Was Not Found!" for a vanished
// file, and the reason for a file that could not be deleted.
QString removalFailureMessage(const NoteRemovalOutcome& outcome);

} // namespace almanor
