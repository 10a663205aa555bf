#pragma once

#include "common/twips.h"

#include <QRect>

namespace almanor {

// A control's place, given in twips as the windows are laid out, in logical pixels.
inline QRect twipsRect(float left, float top, float width, float height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace almanor
