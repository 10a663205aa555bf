#include "platform/artwork.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <numeric>

namespace almanor {
namespace {

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
