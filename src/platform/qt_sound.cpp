#include "platform/qt_services.h"
#include "platform/wave_file.h"

#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <limits>
#include <optional>

namespace almanor {

namespace {

// Time allowed beyond the sound's own length for the audio device to open and drain.
constexpr qint64 kGraceMs = 1500;

} // namespace

void QtSoundPlayer::playToEnd(const QString& path) {
    const std::optional<qint64> duration = waveDurationMs(path);
    if (!duration) {
        return;
    }
    QSoundEffect effect;
    QEventLoop loop;
    bool started = false;
    const auto startWhenReady = [&] {
        if (effect.status() == QSoundEffect::Error) {
            loop.quit();
        } else if (effect.status() == QSoundEffect::Ready && !started) {
            started = true;
            effect.play();
        }
    };
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, startWhenReady);
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (started && !effect.isPlaying()) {
            loop.quit();
        }
    });
    // Never hang: without an audio output the effect may neither play nor fail, so the wait
    // is bounded by the file's own length.
    const qint64 limit = std::min<qint64>(*duration + kGraceMs, std::numeric_limits<int>::max());
    QTimer::singleShot(static_cast<int>(limit), &loop, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(path));
    startWhenReady();
    // The loop may already have been told to quit (the file failed at once); exec would then
    // wait for the bound for nothing.
    if (effect.status() == QSoundEffect::Error) {
        return;
    }
    // Input is held, as the whole program waits for the sound: the user cannot act on a
    // window meanwhile. Timers still run; the clock's tick knows it is nested.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace almanor
