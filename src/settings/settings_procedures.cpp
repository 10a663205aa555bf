#include "settings/settings_file.h"
#include "shell/program.h"

namespace almanor {

void Program::loadSettings() {
    settings = loadSettingsFile(appFolder());
}

bool Program::writeSettings() {
    const FileResult result = writeSettingsFile(appFolder(), settings);
    if (!result) {
        msgAnswer = platform_.messageBox.show(
            QStringLiteral("Couldn't create file options.cfg!\nSettings were not saved!\n") +
                QString::fromStdString(result.error),
            msg::OkOnly);
        return false;
    }
    return true;
}

} // namespace almanor
