#include "calendar/calendar_face.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace almanor {
namespace {

constexpr int kWidth = 281;
constexpr int kHeight = 285;

QImage renderFace(qreal ratio) {
    QImage image(QSize(kWidth, kHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    paintCalendarFace(painter, QRect(0, 0, kWidth, kHeight));
    return image;
}

// A place on the face in twips, as the window lays out its controls.
QRect twips(int left, int top, int width, int height) {
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0))
        .intersected(QRect(0, 0, kWidth, kHeight));
}

// The relative luminance and contrast ratio of the accessibility guidelines.
double luminance(QRgb pixel) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) +
           0.0722 * channel(qBlue(pixel));
}

double contrastWithWhite(QRgb pixel) {
    return 1.05 / (luminance(pixel) + 0.05);
}

// Pixels of a spot that stand out from its most common colour: the drawn word or symbol.
int inkIn(const QImage& image, const QRect& spot) {
    std::map<QRgb, int> counts;
    for (int y = spot.top(); y <= spot.bottom(); ++y) {
        for (int x = spot.left(); x <= spot.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const QRgb ground =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    int ink = 0;
    for (const auto& [colour, count] : counts) {
        ink += std::abs(qGray(colour) - qGray(ground)) > 70 ? count : 0;
    }
    return ink;
}

struct Spot {
    const char* command;
    QRect place;
};

const Spot kSpots[] = {
    {"help", twips(3765, -15, 240, 270)},
    {"quit", twips(4005, -30, 255, 240)},
    {"back a month", twips(1680, 285, 195, 225)},
    {"today", twips(1680, 480, 210, 225)},
    {"forward a month", twips(1680, 660, 210, 270)},
    {"clear", twips(390, 1215, 630, 285)},
    {"view", twips(1065, 1500, 615, 270)},
    {"about", twips(330, 3930, 1005, 300)},
    {"options", twips(1740, 3915, 1110, 345)},
    {"close", twips(3270, 3885, 930, 555)},
    {"alarm caption", QRect(4, 152, 50, 19)},
    {"title", QRect(4, 18, 106, 40)},
};

class CalendarFaceTest : public ::testing::Test {
protected:
    QImage face = renderFace(1.0);
};

TEST_F(CalendarFaceTest, coversTheWholeWindow) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            ASSERT_NE(face.pixel(x, y), QColor(Qt::magenta).rgb()) << x << "," << y;
        }
    }
}

TEST_F(CalendarFaceTest, drawsAWordOrSymbolUnderEveryCommandsSpot) {
    for (const Spot& spot : kSpots) {
        SCOPED_TRACE(spot.command);
        EXPECT_GE(inkIn(face, spot.place), 12);
    }
}

TEST_F(CalendarFaceTest, framesTheTopTwiceAsThickAsTheLeftAndBottomAndLeavesTheRightOpen) {
    const auto isFrame = [this](int x, int y) { return qGray(face.pixel(x, y)) < 40; };
    for (int x = 0; x < kWidth; ++x) {
        ASSERT_TRUE(isFrame(x, 0) && isFrame(x, 1)) << "top line at x " << x;
        ASSERT_TRUE(isFrame(x, 284)) << "bottom line at x " << x;
        ASSERT_FALSE(isFrame(x, 283) && x > 0) << "bottom line one pixel high, at x " << x;
    }
    for (int y = 0; y < kHeight; ++y) {
        ASSERT_TRUE(isFrame(0, y)) << "left line at y " << y;
    }
    for (int y = 20; y < 284; ++y) {
        ASSERT_FALSE(isFrame(kWidth - 1, y)) << "no line on the right edge, y " << y;
        ASSERT_FALSE(isFrame(1, y) && y > 1 && y < 283) << "left line one pixel wide, y " << y;
    }
}

TEST_F(CalendarFaceTest, clockOvalIsDarkEnoughForTheWhiteClockText) {
    const QRect clock = twips(675, 1905, 915, 240);
    // The label centres its text and may fill its whole width with it.
    const QRect text = clock.adjusted(0, 3, 0, -3);
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x) {
            ASSERT_GE(contrastWithWhite(face.pixel(x, y)), 4.5) << x << "," << y;
        }
    }
    EXPECT_LT(contrastWithWhite(face.pixel(clock.left(), clock.top() - 2)), 2.0)
        << "the oval stands out from a light surrounding";
}

TEST_F(CalendarFaceTest, greyBandRunsBehindTheOptionButtonsInTheirOwnGrey) {
    const QRgb buttonGrey = qRgb(128, 128, 128);
    const QRect all = twips(375, 915, 510, 270);
    const QRect thisNote = twips(870, 915, 1020, 270);
    const QRect buttons = all.united(thisNote);
    for (const QPoint at : {QPoint(buttons.left() - 2, buttons.center().y()),
                            QPoint(buttons.center().x(), buttons.top() - 1),
                            QPoint(buttons.center().x(), buttons.bottom() + 1),
                            QPoint(all.center().x(), all.center().y()),
                            QPoint(thisNote.center().x(), thisNote.center().y())}) {
        EXPECT_EQ(face.pixel(at), buttonGrey) << at.x() << "," << at.y();
    }
}

TEST_F(CalendarFaceTest, framesTheNoteArea) {
    const QRect note = twips(90, 2640, 4020, 1245);
    const QRgb paper = face.pixel(note.center().x(), note.top() - 8);
    for (const QPoint at :
         {QPoint(note.left() - 1, note.center().y()), QPoint(note.right() + 1, note.center().y()),
          QPoint(note.center().x(), note.top() - 1),
          QPoint(note.center().x(), note.bottom() + 1)}) {
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
        EXPECT_GT(std::abs(qGray(face.pixel(at)) - qGray(paper)), 60);
        EXPECT_GT(std::abs(qGray(face.pixel(at)) - 224), 60) << "apart from the note's grey";
    }
}

TEST_F(CalendarFaceTest, looksTheSameOnAHighDpiScreen) {
    // A face painted in device pixels instead of logical ones would land elsewhere at 2x.
    const QImage sharp =
        renderFace(2.0).scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (const Spot& spot : kSpots) {
        SCOPED_TRACE(spot.command);
        double difference = 0;
        for (int y = spot.place.top(); y <= spot.place.bottom(); ++y) {
            for (int x = spot.place.left(); x <= spot.place.right(); ++x) {
                difference += std::abs(qGray(face.pixel(x, y)) - qGray(sharp.pixel(x, y)));
            }
        }
        EXPECT_LT(difference / (spot.place.width() * spot.place.height()), 20.0);
    }
}

} // namespace
} // namespace almanor
