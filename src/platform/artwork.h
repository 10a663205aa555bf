#pragma once

#include <QColor>
#include <QFont>

class QIcon;
class QPainter;
class QPixmap;
class QRectF;

namespace almanor {

// The program's pictures are drawn in code, so they are sharp at every screen scale.

// The colours the pictures share, so the icon, the about picture and the calendar window's
// face read as one program.
namespace palette {
inline constexpr QColor ink{38, 50, 64};        // words, outlines, frame lines
inline constexpr QColor slate{47, 62, 78};      // banner, clock oval
inline constexpr QColor steel{62, 92, 118};     // buttons on the face
inline constexpr QColor pageBlue{58, 110, 165}; // the calendar page's header
inline constexpr QColor amber{240, 168, 48};    // a marked day, "today"
inline constexpr QColor paperWhite{252, 252, 250};
inline constexpr QColor muted{110, 122, 136}; // secondary text
} // namespace palette

// Lettering for words drawn into the pictures: the largest font of at most `pixelSize` pixels
// in which `text` fits `width`. The families are tried in order, so each desktop gets a
// close match of the same look.
enum class Lettering { Sans, Serif };
QFont fittedFont(Lettering lettering, QFont::Weight weight, int pixelSize, const QString& text,
                 qreal width);

// The program's emblem: a calendar page with a marked day, fitted into a square box. Whole
// pixel sizes below 40 are laid out on the pixel grid so the small icons stay crisp.
void paintEmblem(QPainter& painter, const QRectF& box);

// The program's icon (window and notification area), at 16, 32, 48 and 64 pixels, each size
// drawn on its own pixel grid.
QIcon appIcon();

// The about window's picture: 288 x 144 logical pixels, light grey, the program's name and
// its version number. Its lower part, below kAboutPictureFreeTop, is kept plain for the
// window's two labels.
inline constexpr int kAboutPictureWidth = 288;
inline constexpr int kAboutPictureHeight = 144;
inline constexpr int kAboutPictureFreeTop = 58;
inline constexpr int kAboutPictureFreeBottom = 136;
QPixmap aboutPicture(qreal devicePixelRatio);

enum class ButtonPicture { Copy, GoTo, Close, Delete, Apply, Play, Alarm };
inline constexpr ButtonPicture kButtonPictures[] = {
    ButtonPicture::Copy,  ButtonPicture::GoTo, ButtonPicture::Close, ButtonPicture::Delete,
    ButtonPicture::Apply, ButtonPicture::Play, ButtonPicture::Alarm};
// A small picture for a button, 16 x 16 logical pixels (Alarm: 32 x 32, for the alarm dialog),
// with a double-resolution version for high-DPI screens.
constexpr int buttonPictureSide(ButtonPicture picture) {
    return picture == ButtonPicture::Alarm ? 32 : 16;
}
QIcon buttonPicture(ButtonPicture picture);

} // namespace almanor
