#pragma once

#include <QIcon>
#include <QPixmap>

namespace almanor {

// The program's pictures are drawn in code, so they are sharp at every screen scale.

// The program's icon (window and notification area), at 16, 32, 48 and 64 pixels.
QIcon appIcon();

// The about window's picture: 288 x 144 logical pixels, light grey, the program's name and
// its version number.
QPixmap aboutPicture(qreal devicePixelRatio);

enum class ButtonPicture { Copy, GoTo, Close, Delete, Apply, Play, Alarm };
// A small picture for a button, 16 x 16 logical pixels (Alarm: 32 x 32, for the alarm dialog).
QIcon buttonPicture(ButtonPicture picture);

} // namespace almanor
