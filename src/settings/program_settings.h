#pragma once

#include "common/atomic_file.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"

#include <QObject>
#include <QString>
#include <optional>
#include <string>

namespace almanor {

// The settings in effect, read once when the program starts and replaced only by Apply.
class ProgramSettings final : public QObject {
    Q_OBJECT

public:
    // Reads options.cfg and almanor.ini in `appFolder`, or takes the defaults.
    explicit ProgramSettings(std::string appFolder);

    const Settings& inEffect() const { return stored_.settings; }
    // Why options.cfg could not be read, for the user; nothing when it was read, or is missing
    // or does not parse (the defaults then, silently).
    const std::optional<QString>& whyUnreadable() const { return whyUnreadable_; }

    // The settings options.cfg has no field for, from almanor.ini.
    const Preferences& preferences() const { return preferences_; }
    // Why almanor.ini could not be read; the defaults are in effect then.
    const std::optional<QString>& whyPreferencesUnreadable() const {
        return whyPreferencesUnreadable_;
    }

    // Writes `settings` to options.cfg and only then puts them into effect. A failed write
    // changes nothing; its result says why.
    FileResult apply(const Settings& settings);
    // Writes `preferences` to almanor.ini and only then puts them into effect; the text says
    // why when the file could not be written, and nothing changed.
    std::optional<QString> applyPreferences(const Preferences& preferences);

signals:
    // Apply put new settings into effect.
    void changed();
    void preferencesChanged();

private:
    std::string appFolder_;
    StoredSettings stored_;
    std::optional<QString> whyUnreadable_;
    Preferences preferences_;
    std::optional<QString> whyPreferencesUnreadable_;
};

} // namespace almanor
