#pragma once

#include "platform/platform.h"

#include <QString>

namespace almanor {

// Plays a wave file to its end. The default sounds are bare names: they live beside the
// program, whatever the working folder happens to be, so a bare name is looked up in
// `appFolder`. An empty name plays nothing.
void playWave(SoundPlayer& sound, const QString& appFolder, const QString& file);

} // namespace almanor
