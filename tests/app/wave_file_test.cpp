#include "platform/wave_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace almanor {
namespace {

QByteArray le32(quint32 value) {
    QByteArray bytes;
    for (int i = 0; i < 4; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    return bytes;
}

QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray bytes = QByteArray(id) + le32(static_cast<quint32>(body.size())) + body;
    if (body.size() % 2 != 0) {
        bytes.append('\0'); // chunks are padded to an even length
    }
    return bytes;
}

// A "fmt " body for PCM: format 1, channels, sample rate, byte rate, block align, bits.
QByteArray pcmFormat(quint32 byteRate) {
    QByteArray body;
    body.append("\x01\x00\x01\x00", 4);
    body.append(le32(8000));
    body.append(le32(byteRate));
    body.append("\x01\x00\x08\x00", 4);
    return body;
}

QByteArray riff(const char* kind, const QByteArray& chunks) {
    return "RIFF" + le32(static_cast<quint32>(4 + chunks.size())) + kind + chunks;
}

QByteArray silence(qsizetype bytes) {
    return QByteArray(bytes, '\x80');
}

TEST(WaveFile, durationComesFromTheDataTheFileHolds) {
    // A data header that claims more than the file holds (a truncated download).
    QByteArray truncated = chunk("data", silence(4000));
    truncated.replace(4, 4, le32(0xFFFFFFF0u));

    const struct {
        const char* name;
        QByteArray bytes;
        std::optional<qint64> ms;
    } cases[] = {
        {"one second of 8 kHz mono",
         riff("WAVE", chunk("fmt ", pcmFormat(8000)) + chunk("data", silence(8000))), 1000},
        {"CD quality, two and a half seconds",
         riff("WAVE", chunk("fmt ", pcmFormat(176400)) + chunk("data", silence(441000))), 2500},
        {"a long tag chunk before the data",
         riff("WAVE", chunk("fmt ", pcmFormat(8000)) + chunk("LIST", silence(100000)) +
                          chunk("data", silence(8000))),
         1000},
        {"an odd-sized chunk and its pad byte",
         riff("WAVE",
              chunk("fmt ", pcmFormat(8000)) + chunk("fact", "abc") + chunk("data", silence(4000))),
         500},
        {"data size beyond the end of the file",
         riff("WAVE", chunk("fmt ", pcmFormat(8000)) + truncated), 500},
        {"not a RIFF file", QByteArray("ID3\x03 some mp3 bytes........"), std::nullopt},
        {"a RIFF file that is not a wave",
         riff("AVI ", chunk("fmt ", pcmFormat(8000)) + chunk("data", silence(8000))), std::nullopt},
        {"data before any format", riff("WAVE", chunk("data", silence(8000))), std::nullopt},
        {"a byte rate of zero",
         riff("WAVE", chunk("fmt ", pcmFormat(0)) + chunk("data", silence(8000))), std::nullopt},
        {"a format chunk cut short",
         riff("WAVE", chunk("fmt ", pcmFormat(8000).left(10)) + chunk("data", silence(8000))),
         std::nullopt},
        {"no sound data", riff("WAVE", chunk("fmt ", pcmFormat(8000))), std::nullopt},
        {"an empty file", QByteArray(), std::nullopt},
    };

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& c : cases) {
        const QString path = dir.filePath("sound.wav");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        EXPECT_EQ(waveDurationMs(path), c.ms) << c.name;
    }
    EXPECT_EQ(waveDurationMs(dir.filePath("missing.wav")), std::nullopt);
}

} // namespace
} // namespace almanor
