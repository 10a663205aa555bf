#include "settings/program_settings.h"

#include "platform/file_messages.h"
#include "settings/preferences_file.h"

namespace almanor {

ProgramSettings::ProgramSettings(std::string appFolder) : appFolder_(std::move(appFolder)) {
    LoadedSettings loaded = loadSettingsFile(appFolder_);
    stored_ = std::move(loaded.stored);
    if (loaded.file != ReadResult::Status::Read && loaded.file != ReadResult::Status::Missing) {
        whyUnreadable_ = unreadableBecause(loaded.file, loaded.error);
    }
    LoadedPreferenceValues preferences = loadPreferenceValues(appFolder_);
    preferences_ = preferencesFromValues(preferences.values);
    whyPreferencesUnreadable_ = std::move(preferences.whyUnreadable);
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

std::optional<QString> ProgramSettings::applyPreferences(const Preferences& preferences) {
    if (std::optional<QString> failed =
            storePreferenceValues(appFolder_, valuesOfPreferences(preferences))) {
        return failed;
    }
    preferences_ = preferences;
    emit preferencesChanged();
    return std::nullopt;
}

} // namespace almanor
