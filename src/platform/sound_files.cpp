#include "platform/sound_files.h"

#include <QDir>
#include <QFileInfo>

namespace almanor {

void playWave(SoundPlayer& sound, const QString& appFolder, const QString& file, QObject* receiver,
              SoundEnded ended) {
    if (file.isEmpty()) {
        endSoundLater(receiver, std::move(ended), SoundEnd::Unplayable);
        return;
    }
    const QString path = QFileInfo(file).isAbsolute() ? file : QDir(appFolder).filePath(file);
    sound.play(QDir::toNativeSeparators(path), receiver, std::move(ended));
}

void endSoundLater(QObject* receiver, SoundEnded ended, SoundEnd how) {
    if (receiver && ended) {
        QMetaObject::invokeMethod(
            receiver, [ended = std::move(ended), how] { ended(how); }, Qt::QueuedConnection);
    }
}

} // namespace almanor
