#pragma once

#include "common/atomic_file.h"
#include "common/date.h"
#include "notes/note_removal.h"
#include "notes/note_store.h"

#include <QString>
#include <QStringList>
#include <cstddef>
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

// Asked before a note file the trash cannot take is deleted for good, under deleteQuestionTitle().
QString deleteForGoodQuestion(const std::string& fileName);
QString deleteQuestionTitle();
// Why a note file stays when the user would not have it deleted for good.
QString notInTrashReason();
// Asked before Apply's purge: "Delete 214 notes older than 20 days? They go to the trash."
QString purgeQuestion(std::size_t count, int daysToKeep);
// The note files Undo could not bring back; empty when there are none.
QString notesNotBroughtBackText(const QStringList& fileNames);
// Why another version of a day's note was not merged into it.
QString conflictNotMergedText(const Date& day, const std::string& copyName);

} // namespace almanor
