#include "settings/preferences_file.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "platform/file_messages.h"

#include <QCoreApplication>
#include <QSettings>

namespace almanor {

namespace {

QString preferencesPath(const std::string& folder) {
    return QString::fromStdString(joinPath(folder, kPreferencesFileName));
}

// QSettings opens the file as it finds it, so it is first looked at the way every other file
// is: a pipe or a device under that name must not hold the program up.
std::optional<QString> whyNotReadable(const std::string& folder) {
    const ReadResult read = readRegularFile(pathFromUtf8(joinPath(folder, kPreferencesFileName)),
                                            kLargestPreferencesFile);
    if (read.status == ReadResult::Status::Read || read.status == ReadResult::Status::Missing) {
        return std::nullopt;
    }
    return unreadableBecause(read.status, read.error);
}

} // namespace

LoadedPreferenceValues loadPreferenceValues(const std::string& folder) {
    LoadedPreferenceValues loaded;
    loaded.whyUnreadable = whyNotReadable(folder);
    if (loaded.whyUnreadable) {
        return loaded;
    }
    const QSettings file(preferencesPath(folder), QSettings::IniFormat);
    for (const QString& key : file.allKeys()) {
        loaded.values[key.toStdString()] = file.value(key).toString().toStdString();
    }
    return loaded;
}

std::optional<QString> storePreferenceValues(const std::string& folder,
                                             const PreferenceValues& values) {
    if (std::optional<QString> why = whyNotReadable(folder)) {
        return QCoreApplication::translate("almanor::Preferences",
                                           "%1 is there but could not be read (%2)")
            .arg(QString::fromStdString(std::string(kPreferencesFileName)), *why);
    }
    QSettings file(preferencesPath(folder), QSettings::IniFormat);
    for (const auto& [key, value] : values) {
        file.setValue(QString::fromStdString(key), QString::fromStdString(value));
    }
    file.sync();
    if (file.status() != QSettings::NoError) {
        return QCoreApplication::translate("almanor::Preferences", "%1 could not be written")
            .arg(QString::fromStdString(std::string(kPreferencesFileName)));
    }
    return std::nullopt;
}

} // namespace almanor
