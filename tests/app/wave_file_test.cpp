#include "platform/wave_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <optional>

namespace almanor {
namespace {

QByteArray le32(quint32 value) {
    const quint32 stored = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&stored), 4);
}

QByteArray chunk(const char* id, const QByteArray& body) {
    // Chunks are padded to an even length.
    return id + le32(static_cast<quint32>(body.size())) + body + QByteArray(body.size() % 2, '\0');
}

// A "fmt " chunk for PCM: format 1, one channel, 8 kHz, the byte rate, block align 1, 8 bits.
QByteArray format(quint32 byteRate, int cutTo = 16) {
    return chunk("fmt ", (QByteArray("\1\0\1\0", 4) + le32(8000) + le32(byteRate) +
                          QByteArray("\1\0\x08\0", 4))
                             .left(cutTo));
}

QByteArray wave(const QByteArray& chunks, const char* kind = "WAVE") {
    return "RIFF" + le32(static_cast<quint32>(4 + chunks.size())) + kind + chunks;
}

QByteArray sound(qsizetype bytes) {
    return chunk("data", QByteArray(bytes, '\x80'));
}

TEST(WaveFile, durationComesFromTheDataTheFileHolds) {
    QByteArray truncated = sound(4000); // its header claims more than the file holds
    truncated.replace(4, 4, le32(0xFFFFFFF0u));
    const std::pair<QByteArray, std::optional<qint64>> cases[] = {
        {wave(format(8000) + sound(8000)), 1000},     // 0: 8 kHz mono
        {wave(format(176400) + sound(441000)), 2500}, // 1: CD quality
        {wave(format(8000) + chunk("LIST", QByteArray(100000, 'x')) + sound(8000)),
         1000},                                                         // 2: tags
        {wave(format(8000) + chunk("fact", "abc") + sound(4000)), 500}, // 3: a pad byte
        {wave(format(8000) + truncated), 500},                          // 4: a cut download
        {QByteArray("ID3\x03 some mp3 bytes........"), std::nullopt},   // 5: no RIFF
        {wave(format(8000) + sound(8000), "AVI "), std::nullopt},       // 6: no wave
        {wave(sound(8000) + format(8000)), std::nullopt},               // 7: data first
        {wave(format(0) + sound(8000)), std::nullopt},                  // 8: no byte rate
        {wave(format(8000, 10) + sound(8000)), std::nullopt},           // 9: format cut short
        {wave(format(8000)), std::nullopt},
        {wave(format(8000) + sound(0)), 0}, // silence at the very end // 10: no sound data
        {QByteArray(), std::nullopt},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("sound.wav");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(cases[i].first);
        file.close();
        EXPECT_EQ(waveDurationMs(path), cases[i].second) << "case " << i;
    }
    EXPECT_EQ(waveDurationMs(dir.filePath("missing.wav")), std::nullopt);
}

} // namespace
} // namespace almanor
