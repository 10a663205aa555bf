#include "platform/sound_files.h"

#include "platform/wave_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace almanor {

namespace {

// The translation context of these texts.
class SoundFiles {
    Q_DECLARE_TR_FUNCTIONS(SoundFiles)
};

} // namespace

QString soundPath(const QString& appFolder, const QString& file) {
    return QDir::toNativeSeparators(QFileInfo(file).isAbsolute() ? file
                                                                 : QDir(appFolder).filePath(file));
}

QString whyUnplayable(const QString& appFolder, const QString& file) {
    if (file.isEmpty()) {
        return SoundFiles::tr("No sound file is chosen.");
    }
    const QString path = soundPath(appFolder, file);
    if (!QFileInfo(path).isFile()) {
        return SoundFiles::tr("The sound file %1 cannot be found.").arg(path);
    }
    if (!waveDurationMs(path)) {
        return SoundFiles::tr("%1 is not a wave file that can be played.").arg(path);
    }
    return SoundFiles::tr("%1 could not be played: no sound output is available.").arg(path);
}

void playWave(SoundPlayer& sound, const QString& appFolder, const QString& file, QObject* receiver,
              SoundEnded ended) {
    if (file.isEmpty()) {
        endSoundLater(receiver, std::move(ended), SoundEnd::Unplayable);
        return;
    }
    sound.play(soundPath(appFolder, file), receiver, std::move(ended));
}

void endSoundLater(QObject* receiver, SoundEnded ended, SoundEnd how) {
    if (receiver && ended) {
        QMetaObject::invokeMethod(
            receiver, [ended = std::move(ended), how] { ended(how); }, Qt::QueuedConnection);
    }
}

} // namespace almanor
