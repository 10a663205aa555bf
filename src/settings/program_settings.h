#pragma once

#include "common/atomic_file.h"
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
    // Reads options.cfg in `appFolder`, or takes the defaults.
    explicit ProgramSettings(std::string appFolder);

    const Settings& inEffect() const { return stored_.settings; }
    // Why options.cfg could not be read, for the user; nothing when it was read, or is missing
    // or does not parse (the defaults then, silently).
    const std::optional<QString>& whyUnreadable() const { return whyUnreadable_; }

    // Writes `settings` to options.cfg and only then puts them into effect. A failed write
    // changes nothing; its result says why.
    FileResult apply(const Settings& settings);

signals:
    // Apply put new settings into effect.
    void changed();

private:
    std::string appFolder_;
    StoredSettings stored_;
    std::optional<QString> whyUnreadable_;
};

} // namespace almanor
