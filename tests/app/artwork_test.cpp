#include "platform/artwork.h"

#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace almanor {
namespace {

int lightness(QRgb pixel) {
    return qGray(pixel);
}

int opaquePixelCount(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

TEST(ArtworkTest, appIconIsDrawnAtEachSizeCrispAndFilled) {
    const QIcon icon = appIcon();
    for (const int size : {16, 32, 48, 64}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)))
            << "each size is drawn, not scaled from another";
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        const double coverage = double(opaquePixelCount(image)) / (size * size);
        EXPECT_GT(coverage, 0.6) << "the glyph fills its square";
        EXPECT_LT(coverage, 1.0) << "the glyph has a shape of its own, not a filled square";
        if (size <= 32) {
            // The small sizes sit on the pixel grid: no half-covered, blurry edge pixels.
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const int alpha = qAlpha(image.pixel(x, y));
                    ASSERT_TRUE(alpha == 0 || alpha == 255) << "pixel " << x << "," << y;
                }
            }
        }
    }
}

TEST(ArtworkTest, buttonPicturesHaveTheirSizesAndAreAllDifferent) {
    struct Case {
        ButtonPicture picture;
        int size;
    };
    const Case cases[] = {
        {ButtonPicture::Copy, 16},   {ButtonPicture::GoTo, 16},  {ButtonPicture::Close, 16},
        {ButtonPicture::Delete, 16}, {ButtonPicture::Apply, 16}, {ButtonPicture::Play, 16},
        {ButtonPicture::Alarm, 32},
    };
    std::vector<QImage> images;
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.picture));
        const QIcon icon = buttonPicture(c.picture);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(c.size, c.size)));
        EXPECT_TRUE(icon.availableSizes().contains(QSize(2 * c.size, 2 * c.size)))
            << "a sharp version for high-DPI screens";
        const QImage image = icon.pixmap(QSize(c.size, c.size), 1.0).toImage();
        ASSERT_EQ(image.size(), QSize(c.size, c.size));
        EXPECT_GT(opaquePixelCount(image), c.size * c.size / 5) << "a visible picture";
        for (const QImage& earlier : images) {
            EXPECT_NE(image, earlier) << "every button has a picture of its own";
        }
        images.push_back(image);
    }
}

TEST(ArtworkTest, aboutPictureHasItsSizeAtEveryScale) {
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QPixmap picture = aboutPicture(ratio);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(288, 144));
        EXPECT_EQ(picture.size(), QSize(qRound(288 * ratio), qRound(144 * ratio)));
    }
}

TEST(ArtworkTest, aboutPictureLeavesItsLabelAreaPlainAndLightGrey) {
    // The about window lays its two labels in black, red and bold over this area.
    const QImage image = aboutPicture(2.0).toImage();
    int lightest = 0;
    int darkest = 255;
    for (int y = 2 * kAboutPictureFreeTop; y < 2 * kAboutPictureFreeBottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            lightest = std::max(lightest, lightness(pixel));
            darkest = std::min(darkest, lightness(pixel));
            ASSERT_LE(std::abs(qRed(pixel) - qBlue(pixel)), 12) << "grey at " << x << "," << y;
        }
    }
    EXPECT_GE(darkest, 200) << "light enough for black and red text";
    EXPECT_LE(lightest - darkest, 6) << "plain, so the labels read evenly";
}

TEST(ArtworkTest, aboutPictureCarriesTheNameInDarkInkAboveTheLabels) {
    const QImage image = aboutPicture(1.0).toImage();
    int ink = 0;
    for (int y = 0; y < kAboutPictureFreeTop; ++y) {
        for (int x = 60; x < image.width(); ++x) {
            ink += lightness(image.pixel(x, y)) < 90 ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 300) << "the name and version are drawn in the head band";
}

TEST(ArtworkTest, fittedFontShrinksUntilTheTextFits) {
    struct Case {
        Lettering lettering;
        int pixelSize;
        const char* text;
        qreal width;
    };
    const Case cases[] = {
        {Lettering::Serif, 22, "Almanor", 66},
        {Lettering::Sans, 12, "options", 30},
        {Lettering::Sans, 11, "alarm:", 200},
        {Lettering::Serif, 40, "Almanor", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QFont font =
            fittedFont(c.lettering, QFont::Bold, c.pixelSize, QString::fromLatin1(c.text), c.width);
        EXPECT_LE(font.pixelSize(), c.pixelSize);
        EXPECT_LE(QFontMetricsF(font).horizontalAdvance(QString::fromLatin1(c.text)), c.width);
        QFont larger = font;
        larger.setPixelSize(font.pixelSize() + 1);
        if (font.pixelSize() < c.pixelSize) {
            EXPECT_GT(QFontMetricsF(larger).horizontalAdvance(QString::fromLatin1(c.text)), c.width)
                << "the largest size that fits, not just any";
        }
    }
}

} // namespace
} // namespace almanor
