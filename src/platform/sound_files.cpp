#include "platform/sound_files.h"

#include <QDir>
#include <QFileInfo>

namespace almanor {

void playWave(SoundPlayer& sound, const QString& appFolder, const QString& file) {
    if (file.isEmpty()) {
        return;
    }
    const QString path = QFileInfo(file).isAbsolute() ? file : QDir(appFolder).filePath(file);
    sound.playToEnd(QDir::toNativeSeparators(path));
}

} // namespace almanor
