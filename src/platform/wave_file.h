#pragma once

#include <QString>
#include <optional>

namespace almanor {

// How long a RIFF/WAVE file plays, in milliseconds, read from its header: the size of its
// sound data (as far as the file really holds it) divided by the byte rate of its format.
// Nothing when the file is no regular file, cannot be read, is not a wave file with a format
// and sound data, or has a format whose byte rate or block size does not follow from its
// sample rate, channels and sample size. The sound player waits this long at most, so a
// damaged header must not promise more than the file holds.
std::optional<qint64> waveDurationMs(const QString& path);

} // namespace almanor
