#include "notes/note_store.h"

#include "common/app_folder.h"
#include "notes/note_record.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace almanor {

namespace fs = std::filesystem;

namespace {

LoadResult unreadable(const Date& date, const std::string& why, std::string bytes = {}) {
    LoadResult result;
    result.status = LoadResult::Status::Unreadable;
    result.reason = "The note file " + noteFileName(date) + " " + why + ".";
    result.file = {true, std::move(bytes)};
    return result;
}

} // namespace

NoteStore::NoteStore(std::string appFolder) : folder_(std::move(appFolder)) {}

std::string NoteStore::notePath(const Date& date) const {
    return joinPath(folder_, noteFileName(date));
}

NoteStore::RawFile NoteStore::readRaw(const Date& date) const {
    ReadResult file = readRegularFile(pathFromUtf8(notePath(date)), kLargestNoteFile);
    RawFile raw{{true, std::move(file.bytes)}, {}};
    switch (file.status) {
    case ReadResult::Status::Missing:
        return {};
    case ReadResult::Status::Read:
        break;
    case ReadResult::Status::NotRegular:
        raw.unreadableBecause = "is not a regular file";
        break;
    case ReadResult::Status::TooLarge:
        raw.unreadableBecause = "is too large to be a note";
        break;
    case ReadResult::Status::Failed:
        raw.unreadableBecause = "cannot be read (" + file.error + ")";
        break;
    }
    return raw;
}

NoteFileContent NoteStore::content(const Date& date) const {
    return readRaw(date).file;
}

LoadResult NoteStore::load(const Date& date) const {
    RawFile raw = readRaw(date);
    if (!raw.file.exists) {
        return {};
    }
    if (!raw.unreadableBecause.empty()) {
        return unreadable(date, raw.unreadableBecause);
    }
    std::string& bytes = raw.file.bytes;
    std::optional<NoteRecord> record = readNoteRecord(bytes);
    if (!record) {
        return unreadable(date, "is incomplete (it holds fewer than four fields)",
                          std::move(bytes));
    }
    if (!record->isNote()) {
        return unreadable(date, "is not a note (it does not begin with \"dailynotes\")",
                          std::move(bytes));
    }
    if (record->partial) {
        return unreadable(date, "holds text outside its four fields, which saving would lose",
                          std::move(bytes));
    }
    LoadResult result;
    result.status = LoadResult::Status::Loaded;
    result.text = std::move(record->text);
    result.alarm = std::move(record->alarm);
    result.file = {true, std::move(bytes)};
    return result;
}

FileResult NoteStore::save(const Date& date, std::string_view text, std::string_view alarm,
                           NoteFileContent* written) {
    const fs::path path = pathFromUtf8(notePath(date));
    if (text.empty() && alarm.empty()) {
        FileResult removed = removeFile(path, true);
        if (!removed) {
            removed.error = "The emptied note for " + noteDateField(date) +
                            " could not be removed (" + removed.error + ").";
        } else if (written != nullptr) {
            *written = {};
        }
        return removed;
    }
    std::string bytes = encodeNoteRecord(date, text, alarm);
    FileResult result = writeFileAtomically(path, bytes);
    if (!result) {
        result.error =
            "The note for " + noteDateField(date) + " could not be saved: " + result.error + ".";
    } else if (written != nullptr) {
        *written = {true, std::move(bytes)};
    }
    return result;
}

FileResult NoteStore::keepAside(const Date& date, std::string_view text, std::string_view alarm,
                                std::string& name) {
    const std::string day = noteFileName(date).substr(0, 8);
    std::error_code error;
    for (int number = 1; number < 1000; ++number) {
        name = day;
        name += " (kept by Almanor";
        if (number > 1) {
            name += ' ';
            name += std::to_string(number);
        }
        name += ").txt";
        const fs::path path = pathFromUtf8(joinPath(folder_, name));
        if (!fs::exists(path, error)) {
            std::string bytes(text);
            if (!alarm.empty()) {
                bytes += "\r\n\r\nAlarm: ";
                bytes += alarm;
            }
            bytes += "\r\n";
            return writeFileAtomically(path, bytes);
        }
    }
    return FileResult::failure("too many texts were kept aside for " + noteDateField(date));
}

NoteFileStamp NoteStore::stamp(const Date& date) const {
    const fs::path path = pathFromUtf8(notePath(date));
    std::error_code error;
    NoteFileStamp stamp;
    stamp.exists = fs::exists(path, error);
    if (stamp.exists) {
        stamp.size = fs::file_size(path, error);
        stamp.modified = fs::last_write_time(path, error);
    }
    return stamp;
}

FileResult NoteStore::removeNote(const Date& date) {
    std::error_code error;
    const bool removed = fs::remove(pathFromUtf8(notePath(date)), error);
    if (error) {
        return FileResult::failure("The note for " + noteDateField(date) +
                                   " could not be deleted (" + error.message() + ").");
    }
    if (!removed) {
        return FileResult::failure(std::string(kNothingToDelete));
    }
    return FileResult::success();
}

FileResult NoteStore::removeAllNotes(std::vector<Date>* removed) {
    std::error_code error;
    std::vector<fs::path> notes;
    for (fs::directory_iterator it(pathFromUtf8(folder_), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (isNoteFileName(pathToUtf8(it->path().filename())) && it->is_regular_file(typeError)) {
            notes.push_back(it->path());
        }
    }
    if (error) {
        return FileResult::failure("The note files could not be listed (" + error.message() + ").");
    }
    if (notes.empty()) {
        return FileResult::failure(std::string(kNothingToDelete));
    }
    std::string failed;
    std::size_t failures = 0;
    for (const fs::path& note : notes) {
        // A file that vanished meanwhile is as good as deleted.
        fs::remove(note, error);
        if (error) {
            failed += (failures == 0 ? "" : ", ") + pathToUtf8(note.filename()) + " (" +
                      error.message() + ")";
            ++failures;
        } else if (const std::optional<Date> day = noteFileDate(pathToUtf8(note.filename()));
                   removed != nullptr && day) {
            removed->push_back(*day);
        }
    }
    if (failures > 0) {
        return FileResult::failure(std::to_string(failures) + " of " +
                                   std::to_string(notes.size()) +
                                   " note files could not be deleted: " + failed + ".");
    }
    return FileResult::success();
}

} // namespace almanor
