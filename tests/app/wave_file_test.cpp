#include "fakes/test_program.h"
#include "platform/qt_services.h"
#include "platform/wave_file.h"

#include <QCoreApplication>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// A "fmt " chunk for PCM: format 1, one channel, 8 kHz, the byte rate, the block align, 8 bits.
QByteArray format(quint32 byteRate, int cutTo = 16, char blockAlign = 1) {
    const QByteArray body = QByteArray("\1\0\1\0", 4) + le32(8000) + le32(byteRate) + blockAlign +
                            QByteArray("\0\x08\0", 3);
    return chunk("fmt ", body.left(cutTo));
}

QByteArray wave(const QByteArray& chunks, const char* kind = "WAVE") {
    return "RIFF" + le32(static_cast<quint32>(4 + chunks.size())) + kind + chunks;
}

QByteArray sound(qsizetype bytes) {
    return chunk("data", QByteArray(bytes, '\x80'));
}

TEST(WaveFile, durationComesFromTheDataTheFileHoldsAndAConsistentFormat) {
    QByteArray truncated = sound(4000); // its header claims more than the file holds
    truncated.replace(4, 4, le32(0xFFFFFFF0u));
    const std::pair<QByteArray, std::optional<qint64>> cases[] = {
        {wave(format(8000) + sound(8000)), 1000}, // 0: 8 kHz mono
        // 1, 2: tags up to where the data chunk's header ends at 256 KiB, and 2 bytes beyond
        {wave(format(8000) + chunk("LIST", QByteArray(262092, 'x')) + sound(8000)), 1000},
        {wave(format(8000) + chunk("LIST", QByteArray(262094, 'x')) + sound(8000)), std::nullopt},
        {wave(format(8000) + chunk("fact", "abc") + sound(4000)), 500}, // 3: a pad byte
        {wave(format(8000) + truncated), 500},                          // 4: a cut download
        {QByteArray("ID3\x03 some mp3 bytes........"), std::nullopt},   // 5: no RIFF
        {wave(format(8000) + sound(8000), "AVI "), std::nullopt},       // 6: no wave
        {wave(sound(8000) + format(8000)), std::nullopt},               // 7: data first
        {wave(format(0) + sound(8000)), std::nullopt},                  // 8: no byte rate
        {wave(format(1) + sound(8000)), std::nullopt},                  // 9: hours for 1 s
        {wave(format(8000, 16, 2) + sound(8000)), std::nullopt},        // 10: a wrong block
        {wave(format(8000, 10) + sound(8000)), std::nullopt},           // 11: format cut short
        {wave(format(8000)), std::nullopt},                             // 12: no sound data
        {wave(format(8000) + sound(0)), 0},                             // 13: silence at the end
        {QByteArray(), std::nullopt},                                   // 14: an empty file
    };
    const testing::TestProgram folder;
    const QString path = QString::fromStdString(folder.file("sound.wav").string());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        folder.writeFile("sound.wav", cases[i].first.toStdString());
        EXPECT_EQ(waveDurationMs(path), cases[i].second) << "case " << i;
    }
    const QString pipe = QString::fromStdString(folder.file("pipe.wav").string());
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(waveDurationMs(pipe), std::nullopt);
    // The player tells that they cannot play, at once but never from within its call.
    QtSoundPlayer player;
    QObject receiver;
    std::vector<SoundEnd> ends;
    for (const QString& file : {path, pipe, QString(path + ".missing")}) {
        player.play(file, &receiver, [&](SoundEnd end) { ends.push_back(end); });
    }
    EXPECT_TRUE(ends.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(ends, std::vector<SoundEnd>(3, SoundEnd::Unplayable));
}

} // namespace
} // namespace almanor
