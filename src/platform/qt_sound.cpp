#include "platform/qt_services.h"
#include "platform/sound_files.h"
#include "platform/wave_file.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
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

// One sound on its way. It ends once: when the effect has played, when it fails, or when the
// file's length and the grace have gone by, whichever comes first.
class PlayingSound final : public QObject {
public:
    PlayingSound(const QString& path, qint64 durationMs, QObject* receiver, SoundEnded ended,
                 QObject* parent)
        : QObject(parent), receiver_(receiver), ended_(std::move(ended)) {
        connect(&effect_, &QSoundEffect::statusChanged, this, &PlayingSound::startWhenReady);
        connect(&effect_, &QSoundEffect::playingChanged, this, [this] {
            if (started_ && !effect_.isPlaying()) {
                finish(SoundEnd::Played);
            }
        });
        // Without an audio output the effect may neither play nor fail: the file's own length
        // bounds the wait.
        connect(&bound_, &QTimer::timeout, this,
                [this] { finish(started_ ? SoundEnd::Played : SoundEnd::Unplayable); });
        bound_.start(static_cast<int>(
            std::min<qint64>(durationMs + kGraceMs, std::numeric_limits<int>::max())));
        effect_.setSource(QUrl::fromLocalFile(path));
        startWhenReady();
    }

    // A sound cut short with the player says nothing: its effect's last signals must not reach
    // a half-destroyed object.
    ~PlayingSound() override { effect_.disconnect(this); }

private:
    void startWhenReady() {
        if (effect_.status() == QSoundEffect::Error) {
            finish(SoundEnd::Unplayable);
        } else if (effect_.status() == QSoundEffect::Ready && !started_) {
            started_ = true;
            effect_.play();
        }
    }

    void finish(SoundEnd how) {
        if (finished_) {
            return;
        }
        finished_ = true;
        bound_.stop();
        endSoundLater(receiver_.data(), std::move(ended_), how);
        deleteLater();
    }

    QSoundEffect effect_;
    QTimer bound_;
    QPointer<QObject> receiver_;
    SoundEnded ended_;
    bool started_ = false;
    bool finished_ = false;
};

} // namespace

void QtSoundPlayer::play(const QString& path, QObject* receiver, SoundEnded ended) {
    const std::optional<qint64> duration = waveDurationMs(path);
    if (!duration || QMediaDevices::audioOutputs().isEmpty()) {
        endSoundLater(receiver, std::move(ended), SoundEnd::Unplayable);
        return;
    }
    new PlayingSound(path, *duration, receiver, std::move(ended), &sounds_);
}

} // namespace almanor
