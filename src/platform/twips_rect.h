#pragma once

#include "common/twips.h"

#include <QRect>

namespace almanor {

// A control's place, given in twips as the windows are laid out, in logical pixels.
constexpr QRect twipsRect(float left, float top, float width, float height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

constexpr QRect twipsRect(const TwipsBox& box) {
    return twipsRect(box.left, box.top, box.width, box.height);
}

} // namespace almanor
