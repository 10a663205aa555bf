#include "calendar/calendar_face.h"
#include "calendar/calendar_window.h"
#include "calendar/hotspot.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "overview/picture_button.h"
#include "platform/artwork.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <gtest/gtest.h>

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

int differingPixels(const QImage& a, const QImage& b) {
    return boxOf(a.rect(), [&](int x, int y) { return differ(a.pixel(x, y), b.pixel(x, y)); })
        .second;
}

QImage blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
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

QImage faceAt(const QRect& rect, QSize canvas) {
    QImage image = blank(canvas);
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
    // Beside the controls: the title left of the month arrows, the caption before the alarm.
    const QRect back = testing::childNamed(window, "Back a month").geometry();
    const QRect alarm = window.alarmField().geometry();
    for (const QRect& area :
         {QRect(QPoint(1, window.calendar().y()), QPoint(back.left(), window.allOption().y())),
          QRect(QPoint(1, alarm.top()), QPoint(alarm.left() - 1, alarm.bottom()))}) {
        EXPECT_GT(inkBox(face, area).width() * 3, area.width() * 2) << area.x() << "," << area.y();
    }
    // The clock writes white across its whole width: the face is dark under all of it.
    const QRect clock = window.clockLabel().geometry();
    EXPECT_EQ(boxOf(QRect(clock.left(), clock.center().y(), clock.width(), 1),
                    [&](int x, int y) { return qGray(face.pixel(x, y)) < 96; })
                  .second,
              clock.width());
    // The note box has a rim of its own colour on every side, unlike the face around it.
    const QRgb rim = face.pixel(note.left() - 1, note.center().y());
    for (const auto& [edge, out] :
         {std::pair{QPoint(note.left(), note.center().y()), QPoint(-1, 0)},
          {QPoint(note.right(), note.center().y()), QPoint(1, 0)},
          {QPoint(note.center().x(), note.top()), QPoint(0, -1)},
          {QPoint(note.center().x(), note.bottom()), QPoint(0, 1)}}) {
        EXPECT_EQ(std::tuple(face.pixel(edge) == rim, face.pixel(edge + out),
                             face.pixel(edge + 2 * out), face.pixel(edge + 3 * out) == rim),
                  std::tuple(false, rim, rim, false));
    }
    // A frame along the top, the left and the bottom edge; the right one meets the screen's.
    const auto framed = [&](const QRect& line) {
        return boxOf(line, [&](int x, int y) { return face.pixel(x, y) == face.pixel(0, 0); })
            .second;
    };
    const QRect all = face.rect();
    EXPECT_EQ(std::tuple(framed(QRect(0, 1, all.width(), 1)), framed(QRect(0, 0, 1, all.height())),
                         framed(QRect(0, all.bottom(), all.width(), 1))),
              std::tuple(all.width(), all.height(), all.width()));
    EXPECT_LT(framed(QRect(all.right(), 0, 1, all.height())), 4);
    // Drawn into any rectangle, at any scale, it is the same face covering just that rectangle.
    const QRect twice(QPoint(7, 5), 2 * face.size());
    const QImage large = faceAt(twice, twice.size() + QSize(14, 10));
    EXPECT_EQ(differingPixels(large, blank(large.size())), twice.width() * twice.height());
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
        const QImage base = buttonPicture(picture).pixmap(QSize(size, size), 1.0).toImage();
        const QImage sharp = buttonPicture(picture).pixmap(QSize(size, size), 2.0).toImage();
        ASSERT_EQ(sharp.size(), 2 * base.size());
        ASSERT_EQ(base.size(), QSize(size, size));
        EXPECT_LE(
            differingPixels(
                sharp.scaled(base.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), base),
            size * size / 16);
        const int opaque = differingPixels(base, blank(base.size()));
        EXPECT_TRUE(opaque > size * size / 8 && opaque < size * size) << opaque;
        EXPECT_LE(differingPixels(sharp.mirrored(acrossX, acrossY), sharp),
                  acrossX || acrossY ? 2 : size * size * 4)
            << "lopsided";
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
        QImage emblem = blank(QSize(66, 66));
        QPainter painter(&emblem);
        paintEmblem(painter, QRectF(33 - side / 2, 33 - side / 2, side, side));
        painter.end();
        emblem = emblem.convertToFormat(QImage::Format_Alpha8);
        const int opaque = differingPixels(emblem, blank(emblem.size()));
        EXPECT_TRUE(opaque > side * side / 2 && opaque < side * side) << side;
        EXPECT_EQ(differingPixels(emblem, emblem.mirrored(true, false)), 0) << side;
    }
    for (const int ratio : {1, 2}) {
        const QImage picture = aboutPicture(ratio).toImage();
        ASSERT_EQ(picture.size(), QSize(kAboutPictureWidth, kAboutPictureHeight) * ratio);
        QImage ground = picture.copy(0, kAboutPictureFreeTop * ratio, picture.width(),
                                     (kAboutPictureFreeBottom - kAboutPictureFreeTop) * ratio);
        const QImage shown = ground;
        ground.fill(shown.pixel(0, 0));
        EXPECT_EQ(shown, ground) << ratio;
    }
}

// The picture at its own size and the wrapped caption under it, centred together on the face;
// a disabled button greys its picture.
TEST(PictureButton, centresItsWholePictureAndWrappedCaptionTogether) {
    QPixmap red(16, 16);
    red.fill(Qt::red);
    PictureButton button(QIcon(red), "Goto Date Of Selected Note");
    button.resize(97, 60);
    const auto box = [&button](auto wanted) {
        const QImage shot = button.grab().toImage();
        return boxOf(shot.rect().adjusted(3, 3, -3, -3),
                     [&](int x, int y) { return wanted(shot.pixel(x, y)); })
            .first;
    };
    const auto isRed = [](QRgb c) { return c == qRgb(255, 0, 0); };
    const QRect picture = box(isRed);
    const QRect caption = box([](QRgb c) { return qGray(c) < 100 && qRed(c) < 100; });
    EXPECT_EQ(picture.size(), QSize(16, 16));
    EXPECT_GT(caption.top(), picture.bottom());
    EXPECT_GT(caption.height(), QFontMetrics(button.font()).height()) << "two lines";
    EXPECT_LE(std::abs(picture.center().x() - button.rect().center().x()), 1);
    EXPECT_LE(std::abs(caption.center().x() - button.rect().center().x()), 2);
    EXPECT_LE(std::abs(picture.top() - (button.height() - 1 - caption.bottom())), 3);
    button.setEnabled(false);
    EXPECT_TRUE(box(isRed).isEmpty());
}

} // namespace
} // namespace almanor
