#include "calendar/calendar_face.h"
#include "calendar/calendar_window.h"
#include "calendar/hotspot.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "platform/artwork.h"

#include <QHash>
#include <QPainter>
#include <gtest/gtest.h>
#include <map>
#include <numeric>

namespace almanor {
namespace {

bool differ(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b)) >
           96;
}

// The box around the pixels of `area` that `ink` picks, and how many it picks.
template <typename Ink> std::pair<QRect, int> boxOf(const QRect& area, Ink ink) {
    std::pair<QRect, int> found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            found.first |= ink(x, y) ? QRect(x, y, 1, 1) : QRect();
            found.second += ink(x, y);
        }
    }
    return found;
}

// What stands out from the commonest colour of its row (the face's shades run from top to
// bottom), but for lines from the top of the area to its bottom.
QRect inkBox(const QImage& image, const QRect& area) {
    std::map<int, QRgb> common;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QHash<QRgb, int> counts;
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
        common[y] =
            std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                return a.second < b.second;
            })->first;
    }
    const auto ink = [&](int x, int y) { return differ(image.pixel(x, y), common[y]); };
    return boxOf(area,
                 [&](int x, int y) {
                     const int column = boxOf(QRect(x, area.top(), 1, area.height()), ink).second;
                     return ink(x, y) && column * 10 < area.height() * 9;
                 })
        .first;
}

QImage faceAt(const QRect& rect) {
    QImage image(rect.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintCalendarFace(painter, rect);
    return image;
}

// The face lies behind the window's controls: what it draws for a command must be where a
// click runs that command.
TEST(CalendarFace, drawsEachCommandUnderItsSpot) {
    testing::TestProgram t;
    CalendarWindow& window = t.program().calendarWindow();
    const QImage face = faceAt(window.rect());
    const QRect note = window.noteBox().geometry();
    for (const Hotspot* spot : window.findChildren<Hotspot*>()) {
        QRect area = spot->geometry() & window.rect();
        if (area.intersects(note.adjusted(-3, -3, 3, 3))) { // "close" reaches over the note's rim
            area.setTop(note.bottom() + 4);
        }
        const QRect ink = inkBox(face, area);
        SCOPED_TRACE(spot->accessibleName().toStdString());
        EXPECT_TRUE(spot->accessibleName() == "Open" || // the edge strip is no command
                    (ink.width() * ink.height() * 8 > area.width() * area.height() &&
                     (ink.center() - area.center()).manhattanLength() <= 4));
    }
}

// How many colour channels of a picture's pixels differ clearly from those of its mirror image.
int lopsidedness(const QImage& image, bool acrossX, bool acrossY) {
    const QImage a = image.convertToFormat(QImage::Format_ARGB32);
    return std::inner_product(a.constBits(), a.constBits() + a.sizeInBytes(),
                              a.mirrored(acrossX, acrossY).constBits(), 0, std::plus<>(),
                              [](uchar x, uchar y) { return std::abs(x - y) > 64; });
}

// The bin and the closing page are symmetric left to right, the play button top to bottom, the
// emblem at any size but for the colour of its marked day: a slip in a coordinate shows.
TEST(Artwork, symmetricPicturesAreDrawnSymmetric) {
    for (const auto& [picture, acrossX] : {std::pair{ButtonPicture::Close, true},
                                           {ButtonPicture::Delete, true},
                                           {ButtonPicture::Play, false}}) {
        const QImage sharp = buttonPicture(picture).pixmap(QSize(16, 16), 2).toImage();
        ASSERT_FALSE(sharp.isNull()) << "a missing picture is no symmetric one";
        EXPECT_LE(lopsidedness(sharp, acrossX, !acrossX), 2) << static_cast<int>(picture);
    }
    for (const qreal side : {16.0, 24.0, 30.0, 42.0, 64.0, 30.5}) {
        QImage emblem(66, 66, QImage::Format_Alpha8);
        emblem.fill(0);
        QPainter painter(&emblem);
        paintEmblem(painter, QRectF(33 - side / 2, 33 - side / 2, side, side));
        painter.end();
        EXPECT_EQ(lopsidedness(emblem, true, false), 0) << side;
        EXPECT_GT(lopsidedness(emblem, false, true), side) << "drawn, rings on top";
    }
}

} // namespace
} // namespace almanor
