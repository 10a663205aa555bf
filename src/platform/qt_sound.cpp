#include "platform/qt_services.h"

#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <cstdint>
#include <optional>

namespace almanor {

namespace {

std::uint32_t readLe32(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    }
    return value;
}

// Length of a RIFF/WAVE file's sound, from its header; nothing when it is not a wave file.
std::optional<int> waveDurationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray head = file.read(64 * 1024);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::uint32_t byteRate = 0;
    std::optional<std::uint32_t> dataSize;
    qsizetype pos = 12;
    while (pos + 8 <= head.size() && !dataSize) {
        const QByteArray id = head.mid(pos, 4);
        const std::uint32_t size = readLe32(head, pos + 4);
        if (id == "fmt " && pos + 20 <= head.size()) {
            byteRate = readLe32(head, pos + 16);
        } else if (id == "data") {
            dataSize = size;
        }
        pos += 8 + static_cast<qsizetype>(size) + (size % 2);
    }
    if (byteRate == 0 || !dataSize) {
        return std::nullopt;
    }
    return static_cast<int>(static_cast<std::uint64_t>(*dataSize) * 1000 / byteRate);
}

} // namespace

void QtSoundPlayer::playToEnd(const QString& path) {
    const std::optional<int> duration = waveDurationMs(path);
    if (!duration) {
        return;
    }
    QSoundEffect effect;
    QEventLoop loop;
    bool started = false;
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error) {
            loop.quit();
        } else if (effect.status() == QSoundEffect::Ready && !started) {
            started = true;
            effect.play();
        }
    });
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (started && !effect.isPlaying()) {
            loop.quit();
        }
    });
    // Never hang: without an audio output the effect may neither play nor fail.
    QTimer::singleShot(*duration + 1500, &loop, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(path));
    if (effect.status() == QSoundEffect::Ready && !started) {
        started = true;
        effect.play();
    }
    // Held input keeps the user from acting on a window while it waits for the sound.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace almanor
