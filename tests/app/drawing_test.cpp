#include "calendar/calendar_face.h"
#include "calendar/calendar_window.h"
#include "calendar/hotspot.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "platform/artwork.h"

#include <QLabel>
#include <QPainter>
#include <gtest/gtest.h>

namespace almanor {
namespace {

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
}

// The box around what stands out clearly from the most common colour of its row (the face's
// shades run from top to bottom), leaving out lines from edge to edge of the area.
QRect inkBox(const QImage& image, const QRect& area) {
    std::vector<std::vector<bool>> ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QHash<QRgb, int> counts;
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
        const QRgb common = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                             [](auto a, auto b) { return a.second < b.second; })
                                ->first;
        ink.emplace_back();
        for (int x = area.left(); x <= area.right(); ++x) {
            ink.back().push_back(distance(image.pixel(x, y), common) > 96);
        }
    }
    QRect box;
    for (int x = 0; x < area.width(); ++x) {
        const auto column = std::count_if(ink.begin(), ink.end(), [x](auto& row) { return row[x]; });
        for (int y = 0; column * 10 < area.height() * 9 && y < area.height(); ++y) {
            box |= ink[y][x] ? QRect(area.left() + x, area.top() + y, 1, 1) : QRect();
        }
    }
    return box;
}

// How many pixels of two pictures of one size differ clearly.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += distance(a.pixel(x, y), b.pixel(x, y)) > 96;
        }
    }
    return count;
}

QImage transparentImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage faceAt(const QRect& rect, QSize canvas) {
    QImage image = transparentImage(canvas);
    QPainter painter(&image);
    paintCalendarFace(painter, rect);
    return image;
}

// The face lies behind the window's controls: what it draws for a command must be where a
// click runs that command, and what the controls draw over stays readable.
TEST(CalendarFace, drawsEachCommandUnderItsSpotAndFramesTheControls) {
    testing::TestProgram t;
    CalendarWindow& window = t.program().calendarWindow();
    const QImage face = faceAt(window.rect(), window.size());
    const QRect note = window.noteBox().geometry();
    for (const Hotspot* spot : window.findChildren<Hotspot*>()) {
        if (spot->accessibleName() == "Open") {
            continue; // the edge strip is an area, not a command
        }
        QRect area = spot->geometry() & window.rect();
        if (area.intersects(note.adjusted(-3, -3, 3, 3))) { // "close" reaches over the note's rim
            area.setTop(note.bottom() + 4);
        }
        const QRect ink = inkBox(face, area);
        SCOPED_TRACE(spot->accessibleName().toStdString());
        EXPECT_GT(ink.width() * ink.height(), area.width() * area.height() / 8);
        EXPECT_LE(std::abs(ink.center().x() - area.center().x()), 3);
        EXPECT_LE(std::abs(ink.center().y() - area.center().y()), 3);
    }
    // The clock writes white across its whole width: the face is dark under all of it.
    const QRect clock = window.clockLabel().geometry();
    for (int x = clock.left(); x <= clock.right(); ++x) {
        EXPECT_LT(qGray(face.pixel(x, clock.center().y())), 96) << x;
    }
    // The note box has a rim of its own colour on every side, unlike the face around it.
    const QPoint c = note.center();
    const std::pair<QPoint, QPoint> sides[] = {{{note.left(), c.y()}, {-1, 0}},
                                               {{note.right(), c.y()}, {1, 0}},
                                               {{c.x(), note.top()}, {0, -1}},
                                               {{c.x(), note.bottom()}, {0, 1}}};
    const QRgb rim = face.pixel(sides[0].first + sides[0].second);
    for (const auto& [edge, out] : sides) {
        EXPECT_EQ(face.pixel(edge + out), rim) << edge.x() << "," << edge.y();
        EXPECT_EQ(face.pixel(edge + 2 * out), rim) << edge.x() << "," << edge.y();
        EXPECT_NE(face.pixel(edge + 3 * out), rim) << edge.x() << "," << edge.y();
        EXPECT_NE(face.pixel(edge), rim) << edge.x() << "," << edge.y();
    }
    // A frame along the top, the left and the bottom edge; the right one meets the screen's.
    const QRgb frame = face.pixel(0, 0);
    for (int x = 0; x < face.width(); ++x) {
        EXPECT_EQ(std::tuple(face.pixel(x, 1), face.pixel(x, face.height() - 1)),
                  std::tuple(frame, frame)) << x;
    }
    int frameOnRight = 0;
    for (int y = 0; y < face.height(); ++y) {
        EXPECT_EQ(face.pixel(0, y), frame) << y;
        frameOnRight += face.pixel(face.width() - 1, y) == frame;
    }
    EXPECT_LT(frameOnRight, 4);
    // Drawn into any rectangle, at any scale, it is the same face covering just that rectangle.
    const QRect twice(QPoint(7, 5), 2 * face.size());
    const QImage large = faceAt(twice, twice.size() + QSize(14, 10));
    EXPECT_EQ(differingPixels(large, transparentImage(large.size())), twice.width() * twice.height());
    EXPECT_LE(differingPixels(large.copy(twice).scaled(face.size(), Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation),
                              face),
              face.width() * face.height() / 50);
}

// Each picture at both resolutions: drawn, unlike the others, and the sharper one the same
// picture. The bin, the closing page and the play button are symmetric, so a slip in one of
// their coordinates shows as a lopsided picture.
TEST(Artwork, buttonPicturesAreDrawnAlikeAtBothResolutionsAndDistinct) {
    const std::tuple<ButtonPicture, int, bool, bool> pictures[] = {
        // picture, logical size, mirrored left to right, top to bottom
        {ButtonPicture::Copy, 16, false, false},  {ButtonPicture::GoTo, 16, false, false},
        {ButtonPicture::Close, 16, true, false},  {ButtonPicture::Delete, 16, true, false},
        {ButtonPicture::Apply, 16, false, false}, {ButtonPicture::Play, 16, false, true},
        {ButtonPicture::Alarm, 32, false, false},
    };
    std::vector<QImage> drawn;
    for (const auto& [picture, size, acrossX, acrossY] : pictures) {
        SCOPED_TRACE(static_cast<int>(picture));
        const QIcon icon = buttonPicture(picture);
        const QImage base = icon.pixmap(QSize(size, size), 1.0).toImage();
        const QImage sharp = icon.pixmap(QSize(size, size), 2.0).toImage();
        ASSERT_EQ(std::pair(base.size(), sharp.size()),
                  std::pair(QSize(size, size), QSize(2 * size, 2 * size)));
        EXPECT_LE(differingPixels(sharp.scaled(base.size(), Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation),
                                  base),
                  size * size / 16);
        const int opaque = size * size - differingPixels(base, transparentImage(base.size()));
        EXPECT_TRUE(opaque > size * size / 8 && opaque < size * size) << opaque;
        if (acrossX || acrossY) {
            EXPECT_LE(differingPixels(sharp.mirrored(acrossX, acrossY), sharp), 2) << "lopsided";
        }
        for (const QImage& other : drawn) {
            EXPECT_GT(differingPixels(other.scaled(base.size()), base), size);
        }
        drawn.push_back(base);
    }
}

// The emblem is symmetric but for the colour of its marked day, at the icon's sizes and
// between them; the about picture keeps the ground under its labels plain.
TEST(Artwork, emblemIsSymmetricAndTheAboutPictureLeavesTheLabelsGroundPlain) {
    for (const qreal side : {16.0, 24.0, 30.0, 32.0, 42.0, 48.0, 64.0, 30.5}) {
        QImage emblem = transparentImage(QSize(66, 66));
        QPainter painter(&emblem);
        paintEmblem(painter, QRectF(33 - side / 2, 33 - side / 2, side, side));
        painter.end();
        emblem = emblem.convertToFormat(QImage::Format_Alpha8);
        const int opaque = differingPixels(emblem, transparentImage(emblem.size()));
        EXPECT_TRUE(opaque > side * side / 2 && opaque < side * side) << side;
        EXPECT_LE(differingPixels(emblem, emblem.mirrored(true, false)), 0) << side;
    }
    for (const int ratio : {1, 2}) {
        const QImage picture = aboutPicture(ratio).toImage();
        ASSERT_EQ(picture.size(), QSize(kAboutPictureWidth, kAboutPictureHeight) * ratio);
        const QImage ground = picture.copy(0, kAboutPictureFreeTop * ratio, picture.width(),
                                           (kAboutPictureFreeBottom - kAboutPictureFreeTop) * ratio);
        QImage plain = ground;
        plain.fill(ground.pixel(0, 0));
        EXPECT_EQ(ground, plain) << ratio;
    }
}

} // namespace
} // namespace almanor
