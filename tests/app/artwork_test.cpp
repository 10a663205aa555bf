#include "platform/artwork.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace almanor {
namespace {

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
