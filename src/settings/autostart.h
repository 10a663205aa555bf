#pragma once

#include <QString>
#include <optional>

namespace almanor {

// The entry in the desktop's autostart folder ($XDG_CONFIG_HOME/autostart) that starts the
// program at login. It is the state itself: whatever wrote or removed it (this program, the
// install-time option, the desktop's own settings), what is on disk counts.
class Autostart {
public:
    Autostart(QString folder, QString program);
    // ~/.config/autostart, or the one under $XDG_CONFIG_HOME.
    static QString userFolder();

    bool isOn() const;
    // Writes an entry that starts `program`, or removes the entry; on failure, says why.
    std::optional<QString> set(bool on) const;

private:
    QString path() const;

    QString folder_;
    QString program_;
};

} // namespace almanor
