#include "settings/program_settings.h"

#include "platform/file_messages.h"

namespace almanor {

// Settings that options.cfg does not have (such as a language or the first day of the week)
// belong in a second file beside it, almanor.ini, read through QSettings in its INI format:
// options.cfg keeps its one line of twelve fields for every program that reads it.
ProgramSettings::ProgramSettings(std::string appFolder) : appFolder_(std::move(appFolder)) {
    LoadedSettings loaded = loadSettingsFile(appFolder_);
    stored_ = std::move(loaded.stored);
    if (loaded.file != ReadResult::Status::Read && loaded.file != ReadResult::Status::Missing) {
        whyUnreadable_ = unreadableBecause(loaded.file, loaded.error);
    }
}

FileResult ProgramSettings::apply(const Settings& settings) {
    const StoredSettings next{settings, stored_.asRead};
    FileResult written = writeSettingsFile(appFolder_, next);
    if (written) {
        stored_ = next;
        emit changed();
    }
    return written;
}

} // namespace almanor
