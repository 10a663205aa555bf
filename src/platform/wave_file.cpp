#include "platform/wave_file.h"

#include <QFile>
#include <cstdint>

namespace almanor {

namespace {

std::uint32_t readLe32(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (qsizetype i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    }
    return value;
}

} // namespace

std::optional<qint64> waveDurationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    // Chunks are walked by their headers alone, so a long chunk before the sound data (tags,
    // a cue list) costs no reading.
    const qint64 fileSize = file.size();
    std::uint32_t byteRate = 0;
    qint64 pos = 12;
    while (pos + 8 <= fileSize) {
        if (!file.seek(pos)) {
            return std::nullopt;
        }
        const QByteArray header = file.read(8);
        if (header.size() < 8) {
            return std::nullopt;
        }
        const qint64 size = readLe32(header, 4);
        const qint64 body = pos + 8;
        if (header.startsWith("fmt ")) {
            const QByteArray format = file.read(16);
            if (size < 16 || format.size() < 16) {
                return std::nullopt;
            }
            byteRate = readLe32(format, 8);
        } else if (header.startsWith("data")) {
            if (byteRate == 0) {
                return std::nullopt;
            }
            const qint64 held = std::min(size, fileSize - body);
            return held * 1000 / byteRate;
        }
        pos = body + size + (size % 2);
    }
    return std::nullopt;
}

} // namespace almanor
