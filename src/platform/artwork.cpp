#include "platform/artwork.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace almanor {

namespace {

// The translation context of the words painted in the pictures.
class Artwork {
    Q_DECLARE_TR_FUNCTIONS(Artwork)
};

constexpr QColor kOutline{28, 38, 50};
constexpr QColor kDayDot{150, 160, 172};
constexpr QColor kAlert{196, 64, 52};
constexpr QColor kGo{46, 150, 90};

QPixmap transparentPixmap(int logicalSize, qreal devicePixelRatio) {
    const int side = static_cast<int>(std::lround(logicalSize * devicePixelRatio));
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// --- Button pictures, drawn on a 16 x 16 grid (32 x 32 for the alarm clock). Strokes of
// width 1 lie on half pixels so they cover whole pixels at the base size.

QPen outlinePen(qreal width = 1.0) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawSheet(QPainter& p, const QRectF& sheet) {
    p.setPen(outlinePen());
    p.setBrush(palette::paperWhite);
    p.drawRect(sheet);
}

void drawCopy(QPainter& p) {
    drawSheet(p, QRectF(1.5, 1.5, 8, 10));
    drawSheet(p, QRectF(6.5, 4.5, 8, 10));
    p.setPen(QPen(palette::pageBlue, 1.0));
    for (const qreal y : {7.5, 9.5, 11.5}) {
        p.drawLine(QPointF(8.5, y), QPointF(12.5, y));
    }
}

void drawGoTo(QPainter& p) {
    drawSheet(p, QRectF(0.5, 1.5, 12, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::pageBlue);
    p.drawRect(QRectF(1, 2, 11, 3));
    p.setBrush(kDayDot);
    for (const qreal x : {2.0, 5.0, 8.0}) {
        p.drawRect(QRectF(x, 6, 2, 2));
    }
    p.drawRect(QRectF(2, 10, 2, 2));
    p.setBrush(palette::amber);
    p.drawRect(QRectF(5, 9, 3, 3));
    // An arrow leads into the page towards the marked day: going to a note's date.
    QPainterPath arrow;
    arrow.moveTo(16, 12);
    arrow.lineTo(12, 8);
    arrow.lineTo(12, 10.5);
    arrow.lineTo(8, 10.5);
    arrow.lineTo(8, 13.5);
    arrow.lineTo(12, 13.5);
    arrow.lineTo(12, 16);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(palette::steel);
    p.drawPath(arrow.translated(-0.5, 0));
}

void drawClose(QPainter& p) {
    p.setPen(outlinePen());
    p.setBrush(palette::paperWhite);
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::pageBlue);
    p.drawRect(QRectF(2, 3, 12, 3));
    p.setPen(QPen(kAlert, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 8), QPointF(10, 12));
    p.drawLine(QPointF(10, 8), QPointF(6, 12));
}

void drawDelete(QPainter& p) {
    p.setPen(outlinePen());
    p.setBrush(QColor(236, 238, 241));
    QPainterPath can;
    can.moveTo(3.5, 4.5);
    can.lineTo(12.5, 4.5);
    can.lineTo(11.5, 14.5);
    can.lineTo(4.5, 14.5);
    can.closeSubpath();
    p.drawPath(can);
    p.setPen(QPen(kAlert, 1.0));
    for (const qreal x : {6.5, 8.0, 9.5}) {
        p.drawLine(QPointF(x, 6.5), QPointF(x, 12.5));
    }
    p.setPen(outlinePen());
    p.drawLine(QPointF(1.5, 3.5), QPointF(14.5, 3.5));
    p.drawLine(QPointF(6.5, 1.5), QPointF(9.5, 1.5));
    p.drawLine(QPointF(6.5, 1.5), QPointF(6.5, 3.5));
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 3.5));
}

void drawApply(QPainter& p) {
    QPainterPath tick;
    tick.moveTo(2.5, 8.5);
    tick.lineTo(6.5, 12.5);
    tick.lineTo(13.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGo.darker(140), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(kGo, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

void drawPlay(QPainter& p) {
    p.setPen(outlinePen());
    p.setBrush(palette::steel);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QPainterPath triangle;
    triangle.moveTo(6, 4.5);
    triangle.lineTo(12, 8);
    triangle.lineTo(6, 11.5);
    triangle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(triangle);
}

void drawAlarmClock(QPainter& p) {
    // Two bells on top, a round face with the hands at ten past ten, two small feet.
    p.setPen(outlinePen(1.5));
    p.setBrush(palette::amber);
    p.drawPie(QRectF(2, 2, 12, 12), 45 * 16, 180 * 16);
    p.drawPie(QRectF(18, 2, 12, 12), -45 * 16, 180 * 16);
    p.setPen(QPen(kOutline, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 27), QPointF(6.5, 30));
    p.drawLine(QPointF(23, 27), QPointF(25.5, 30));
    p.setPen(QPen(kOutline, 2.0));
    p.setBrush(palette::paperWhite);
    p.drawEllipse(QPointF(16, 17.5), 11, 11);
    p.setPen(QPen(palette::steel, 1.2));
    for (int hour = 0; hour < 12; hour += 3) {
        const double angle = hour * std::numbers::pi / 6;
        const QPointF dir(std::sin(angle), -std::cos(angle));
        p.drawLine(QPointF(16, 17.5) + dir * 7.5, QPointF(16, 17.5) + dir * 9.2);
    }
    p.setPen(QPen(kOutline, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 17.5), QPointF(11.5, 14.5));
    p.setPen(QPen(kOutline, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 17.5), QPointF(21.5, 12.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kAlert);
    p.drawEllipse(QPointF(16, 17.5), 1.5, 1.5);
}

void drawButtonPicture(QPainter& p, ButtonPicture picture) {
    switch (picture) {
    case ButtonPicture::Copy:
        drawCopy(p);
        break;
    case ButtonPicture::GoTo:
        drawGoTo(p);
        break;
    case ButtonPicture::Close:
        drawClose(p);
        break;
    case ButtonPicture::Delete:
        drawDelete(p);
        break;
    case ButtonPicture::Apply:
        drawApply(p);
        break;
    case ButtonPicture::Play:
        drawPlay(p);
        break;
    case ButtonPicture::Alarm:
        drawAlarmClock(p);
        break;
    }
}

// --- The emblem.

qreal snap(qreal value, bool onGrid) {
    return onGrid ? std::round(value) : value;
}

} // namespace

QFont fittedFont(Lettering lettering, QFont::Weight weight, int pixelSize, const QString& text,
                 qreal width) {
    QFont font;
    if (lettering == Lettering::Serif) {
        font.setFamilies({QStringLiteral("Georgia"), QStringLiteral("Cambria"),
                          QStringLiteral("P052"), QStringLiteral("Nimbus Roman"),
                          QStringLiteral("DejaVu Serif")});
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("Helvetica Neue"),
                          QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                          QStringLiteral("DejaVu Sans")});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setWeight(weight);
    for (int size = pixelSize; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return font;
}

void paintEmblem(QPainter& p, const QRectF& box) {
    const qreal s = std::min(box.width(), box.height());
    // Whole-pixel sizes are laid out on the pixel grid, so every edge is sharp; the small
    // ones also do without smoothing, which would only blur their square corners.
    const bool onGrid = s == std::round(s);
    p.save();
    p.translate(box.center() - QPointF(s / 2, s / 2));
    p.setRenderHint(QPainter::Antialiasing, s >= 40 || !onGrid);

    const qreal margin = std::max<qreal>(1, snap(s / 16, onGrid));
    const qreal top = snap(s * 0.16, onGrid);
    const QRectF page(margin, top, s - 2 * margin, s - margin - top);
    const qreal border = std::max<qreal>(1, snap(s / 32, onGrid));
    const qreal header = snap(s * 0.24, onGrid);
    const qreal radius = s < 40 ? 0 : s / 12;

    // The sheet and its border, then the coloured header across its top.
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawRoundedRect(page, radius, radius);
    const QRectF inner = page.adjusted(border, border, -border, -border);
    p.setBrush(palette::paperWhite);
    p.drawRoundedRect(inner, radius * 0.6, radius * 0.6);
    p.setBrush(palette::pageBlue);
    p.drawRect(QRectF(inner.left(), inner.top(), inner.width(), header - border));

    // Two binder rings over the header's top edge.
    const qreal ringWidth = std::max<qreal>(1, snap(s / 16, onGrid));
    const qreal ringHeight = snap(s * 0.18, onGrid);
    const qreal ringTop = snap(top - s * 0.08, onGrid);
    p.setBrush(kOutline);
    for (const qreal at : {0.3, 0.7}) {
        const qreal x = snap(s * at - ringWidth / 2, onGrid);
        p.drawRoundedRect(QRectF(x, ringTop, ringWidth, ringHeight), ringWidth / 2, ringWidth / 2);
    }

    // The days: a small grid of dots, one of them marked, as the calendar marks note days.
    const int columns = s < 24 ? 3 : 4;
    const int rows = s < 24 ? 2 : 3;
    const QRectF body(inner.left(), page.top() + header, inner.width(),
                      inner.bottom() - page.top() - header);
    const qreal pitch = onGrid ? std::floor(std::min(body.width() / columns, body.height() / rows))
                               : std::min(body.width() / columns, body.height() / rows);
    const qreal dot = std::max<qreal>(2, snap(pitch * 0.62, onGrid));
    const qreal gridLeft = snap(body.center().x() - (pitch * (columns - 1) + dot) / 2, onGrid);
    const qreal gridTop = snap(body.center().y() - (pitch * (rows - 1) + dot) / 2, onGrid);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const bool marked = row == rows - 1 && column == columns - 2;
            p.setBrush(marked ? palette::amber : kDayDot);
            const QRectF cell(gridLeft + column * pitch, gridTop + row * pitch, dot, dot);
            if (s < 40) {
                p.drawRect(cell);
            } else {
                p.drawRoundedRect(cell, dot / 5, dot / 5);
            }
        }
    }
    p.restore();
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QPixmap pixmap = transparentPixmap(size, 1.0);
        QPainter painter(&pixmap);
        paintEmblem(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap aboutPicture(qreal devicePixelRatio) {
    const QSize size(kAboutPictureWidth, kAboutPictureHeight);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(QColor(221, 224, 228));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A slightly lighter head band for the name; the labels' area below stays plain.
    QLinearGradient head(0, 0, 0, kAboutPictureFreeTop);
    head.setColorAt(0, QColor(236, 238, 241));
    head.setColorAt(1, QColor(225, 228, 232));
    p.fillRect(QRectF(0, 0, size.width(), kAboutPictureFreeTop - 2), head);
    p.fillRect(QRectF(16, kAboutPictureFreeTop - 3, size.width() - 32, 1), QColor(190, 196, 204));

    paintEmblem(p, QRectF(16, 8, 42, 42));

    const QString name = QStringLiteral("Almanor");
    const QFont nameFont = fittedFont(Lettering::Serif, QFont::Bold, 32, name, 150);
    p.setFont(nameFont);
    p.setPen(palette::ink);
    QRectF drawnName;
    p.drawText(QRectF(68, 4, 160, 36), Qt::AlignLeft | Qt::AlignBottom, name, &drawnName);

    const QString subtitle = Artwork::tr("Day planner \u00b7 version 4");
    p.setFont(fittedFont(Lettering::Sans, QFont::Normal, 11, subtitle, 150));
    p.setPen(palette::muted);
    p.drawText(QRectF(70, 38, 170, 14), Qt::AlignLeft | Qt::AlignVCenter, subtitle);

    // The version number as a badge beside the name.
    const QPointF badge(drawnName.right() + 20, 24);
    p.setPen(QPen(palette::ink, 1.5));
    p.setBrush(palette::amber);
    p.drawEllipse(badge, 14, 14);
    p.setFont(fittedFont(Lettering::Sans, QFont::Bold, 19, QStringLiteral("4"), 20));
    p.setPen(palette::ink);
    p.drawText(QRectF(badge.x() - 14, badge.y() - 14, 28, 28), Qt::AlignCenter,
               QStringLiteral("4"));

    // A closing stripe along the bottom edge.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, kAboutPictureFreeBottom + 2, size.width(), 6), palette::slate);
    p.fillRect(QRectF(16, kAboutPictureFreeBottom + 2, 48, 6), palette::amber);
    return pixmap;
}

QIcon buttonPicture(ButtonPicture picture) {
    const int size = buttonPictureSide(picture);
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap = transparentPixmap(size, ratio);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        drawButtonPicture(painter, picture);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace almanor
