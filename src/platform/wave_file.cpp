#include "platform/wave_file.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"

#include <cstdint>
#include <string_view>

namespace almanor {

namespace {

// The header and the chunks before the sound data (tags, a cue list) lie within this many
// bytes in any wave file the program is given; the sound data itself is never read here.
constexpr std::size_t kLargestHeader = 256 * 1024;

std::uint32_t readLe(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

// The byte rate of a "fmt " chunk's body, when the format is consistent: a player trusts the
// byte rate for timing, so one that disagrees with the samples would let it wait for hours.
std::optional<std::uint32_t> consistentByteRate(std::string_view format) {
    if (format.size() < 16) {
        return std::nullopt;
    }
    const std::uint64_t channels = readLe(format, 2, 2);
    const std::uint64_t sampleRate = readLe(format, 4, 4);
    const std::uint32_t byteRate = readLe(format, 8, 4);
    const std::uint32_t blockAlign = readLe(format, 12, 2);
    const std::uint64_t bytesPerSample = (readLe(format, 14, 2) + 7) / 8;
    const std::uint64_t frame = channels * bytesPerSample;
    if (byteRate == 0 || blockAlign != frame || byteRate != sampleRate * frame) {
        return std::nullopt;
    }
    return byteRate;
}

} // namespace

std::optional<qint64> waveDurationMs(const QString& path) {
    const ReadResult file =
        readRegularFile(pathFromUtf8(path.toStdString()), kLargestHeader, Oversize::ReadPrefix);
    const std::string_view head = file.bytes;
    if (!file.read() || head.size() < 12 || !head.starts_with("RIFF") ||
        head.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    // The data chunk's length is taken from the file's real size, which a cut download or a
    // damaged header may leave far below what the header claims.
    const auto fileSize = static_cast<qint64>(file.size);
    std::optional<std::uint32_t> byteRate;
    std::size_t pos = 12;
    while (pos + 8 <= head.size()) {
        const std::string_view id = head.substr(pos, 4);
        const qint64 size = readLe(head, pos + 4, 4);
        const std::size_t body = pos + 8;
        if (id == "fmt ") {
            byteRate = consistentByteRate(head.substr(body, std::min<qint64>(size, 16)));
            if (!byteRate) {
                return std::nullopt;
            }
        } else if (id == "data") {
            if (!byteRate) {
                return std::nullopt;
            }
            const qint64 held = std::min<qint64>(size, fileSize - static_cast<qint64>(body));
            return held * 1000 / *byteRate;
        }
        pos = body + static_cast<std::size_t>(size + size % 2);
    }
    return std::nullopt;
}

} // namespace almanor
