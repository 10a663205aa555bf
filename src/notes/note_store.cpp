#include "notes/note_store.h"

#include "common/app_folder.h"
#include "notes/note_record.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace almanor {

namespace fs = std::filesystem;

namespace {

LoadResult unreadable(LoadResult::Problem problem, std::string reason, std::string bytes = {}) {
    LoadResult result;
    result.status = LoadResult::Status::Unreadable;
    result.problem = problem;
    result.reason = std::move(reason);
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
    RawFile raw{{true, std::move(file.bytes)}, {}, std::move(file.error)};
    switch (file.status) {
    case ReadResult::Status::Missing:
        return {};
    case ReadResult::Status::Read:
        break;
    case ReadResult::Status::NotRegular:
        raw.problem = LoadResult::Problem::NotRegular;
        break;
    case ReadResult::Status::TooLarge:
        raw.problem = LoadResult::Problem::TooLarge;
        break;
    case ReadResult::Status::Failed:
        raw.problem = LoadResult::Problem::Failed;
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
    if (raw.problem) {
        return unreadable(*raw.problem, std::move(raw.reason));
    }
    std::string& bytes = raw.file.bytes;
    std::optional<NoteRecord> record = readNoteRecord(bytes);
    if (!record) {
        return unreadable(LoadResult::Problem::Incomplete, {}, std::move(bytes));
    }
    if (!record->isNote()) {
        return unreadable(LoadResult::Problem::NotANote, {}, std::move(bytes));
    }
    if (record->partial) {
        return unreadable(LoadResult::Problem::OutsideFields, {}, std::move(bytes));
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
        if (removed && written != nullptr) {
            *written = {};
        }
        return removed;
    }
    std::string bytes = encodeNoteRecord(date, text, alarm);
    FileResult result = writeFileAtomically(path, bytes);
    if (result && written != nullptr) {
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
    return FileResult::failed(FileResult::Failure::NoFreeName, day + " (kept by Almanor).txt");
}

FileStamp NoteStore::stamp(const Date& date) const {
    return fileStamp(pathFromUtf8(notePath(date)));
}

NoteDeletion NoteStore::removeAllNotes(const NoteFileRemover& remove, std::vector<Date>* removed) {
    std::error_code error;
    std::vector<fs::path> notes;
    for (fs::directory_iterator it(pathFromUtf8(folder_), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (isNoteFileName(pathToUtf8(it->path().filename())) && it->is_regular_file(typeError)) {
            notes.push_back(it->path());
        }
    }
    NoteDeletion deletion;
    deletion.found = notes.size();
    if (error) {
        deletion.status = NoteDeletion::Status::NotListed;
        deletion.reason = error.message();
        return deletion;
    }
    if (notes.empty()) {
        deletion.status = NoteDeletion::Status::NothingToDelete;
        return deletion;
    }
    for (const fs::path& note : notes) {
        const std::string name = pathToUtf8(note.filename());
        std::string reason;
        // A file that vanished meanwhile is as good as deleted.
        if (remove(name, reason) == NoteFileRemoval::Kept) {
            deletion.status = NoteDeletion::Status::SomeKept;
            deletion.kept.push_back({name, std::move(reason)});
        } else if (const std::optional<Date> day = noteFileDate(name); removed != nullptr && day) {
            removed->push_back(*day);
        }
    }
    return deletion;
}

} // namespace almanor
