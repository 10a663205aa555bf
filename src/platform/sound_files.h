#pragma once

#include "platform/platform.h"

#include <QString>

namespace almanor {

// Starts a wave file playing; `ended` follows through `receiver` as SoundPlayer::play says.
// The default sounds are bare names: they live beside the program, whatever the working
// folder happens to be, so a bare name is looked up in `appFolder`. An empty name plays
// nothing and counts as unplayable.
void playWave(SoundPlayer& sound, const QString& appFolder, const QString& file,
              QObject* receiver = nullptr, SoundEnded ended = {});

// Where a sound's file lies: a bare name in `appFolder`, any other as it is.
QString soundPath(const QString& appFolder, const QString& file);

// Why a sound ended unplayed, as a sentence for the user.
QString whyUnplayable(const QString& appFolder, const QString& file);

// Calls `ended` with `how` from `receiver`'s event queue, so never from within the caller, and
// not at all once `receiver` is gone.
void endSoundLater(QObject* receiver, SoundEnded ended, SoundEnd how);

} // namespace almanor
