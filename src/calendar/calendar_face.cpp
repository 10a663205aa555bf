#include "calendar/calendar_face.h"

#include "calendar/calendar_layout.h"
#include "common/twips.h"
#include "platform/artwork.h"
#include "platform/twips_rect.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace almanor {

namespace {

// The translation context of the words painted on the window.
class CalendarFace {
    Q_DECLARE_TR_FUNCTIONS(CalendarFace)
};

namespace layout = calendar_layout;

constexpr qreal kWidth = layout::kWindow.width / kTwipsPerPixel;
constexpr qreal kHeight = layout::kWindow.height / kTwipsPerPixel;

// Each drawing is placed by the rectangle of the control or hotspot it belongs to.
constexpr QRectF kHelpSpot = twipsRect(layout::kHelpSpot);
constexpr QRectF kQuitSpot = twipsRect(layout::kQuitSpot);
constexpr QRectF kCalendar = twipsRect(layout::kCalendar);
constexpr QRectF kBackSpot = twipsRect(layout::kBackSpot);
constexpr QRectF kTodaySpot = twipsRect(layout::kTodaySpot);
constexpr QRectF kForwardSpot = twipsRect(layout::kForwardSpot);
constexpr QRectF kAllOption = twipsRect(layout::kAllOption);
constexpr QRectF kClearSpot = twipsRect(layout::kClearSpot);
constexpr QRectF kViewSpot = twipsRect(layout::kViewSpot);
constexpr QRectF kClock = twipsRect(layout::kClock);
constexpr QRectF kAlarmField = twipsRect(layout::kAlarmField);
constexpr QRectF kNoteBox = twipsRect(layout::kNoteBox);
constexpr QRectF kAboutSpot = twipsRect(layout::kAboutSpot);
constexpr QRectF kOptionsSpot = twipsRect(layout::kOptionsSpot);
constexpr QRectF kCloseSpot = twipsRect(layout::kCloseSpot);

constexpr qreal kBannerHeight = kCalendar.top();
constexpr qreal kFooterTop = kNoteBox.bottom() + 2;

constexpr QColor kFrame{20, 28, 36};
constexpr QColor kScopeGrey{128, 128, 128}; // the option buttons' own background
constexpr QColor kBannerGlyph{214, 224, 235};

const QRectF& window() {
    static const QRectF area(0, 0, kWidth, kHeight);
    return area;
}

QPen roundPen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintBackground(QPainter& p) {
    QLinearGradient paper(0, 0, 0, kHeight);
    paper.setColorAt(0, QColor(242, 244, 247));
    paper.setColorAt(1, QColor(228, 232, 237));
    p.fillRect(window(), paper);
}

void paintBanner(QPainter& p) {
    const QRectF banner(0, 0, kWidth, kBannerHeight);
    QLinearGradient shade(0, 0, 0, kBannerHeight);
    shade.setColorAt(0, palette::slate.lighter(118));
    shade.setColorAt(1, palette::slate);
    p.fillRect(banner, shade);
    // A thin amber edge under the banner, seen left of the calendar.
    p.fillRect(QRectF(0, kBannerHeight - 1, kCalendar.left(), 1), palette::amber);

    const QString tagline = CalendarFace::tr("DAY PLANNER");
    QFont font = fittedFont(Lettering::Sans, QFont::DemiBold, 8, tagline, 80);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(font);
    p.setPen(QColor(170, 186, 203));
    p.drawText(QRectF(8, 1, 120, kBannerHeight - 2), Qt::AlignLeft | Qt::AlignVCenter, tagline);

    // Help: a question mark in a ring.
    const QRectF help = kHelpSpot.intersected(banner);
    const QPointF helpCentre(help.center().x(), kBannerHeight / 2 + 0.5);
    p.setPen(roundPen(kBannerGlyph, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(helpCentre, 5.6, 5.6);
    p.setFont(fittedFont(Lettering::Sans, QFont::Bold, 9, QStringLiteral("?"), 8));
    p.drawText(QRectF(helpCentre.x() - 5, helpCentre.y() - 6, 10, 12), Qt::AlignCenter,
               QStringLiteral("?"));

    // Quit: a cross.
    const QRectF quit = kQuitSpot.intersected(banner);
    const QPointF quitCentre(quit.center().x(), helpCentre.y());
    constexpr qreal arm = 3.4;
    p.setPen(roundPen(kBannerGlyph, 1.7));
    p.drawLine(quitCentre + QPointF(-arm, -arm), quitCentre + QPointF(arm, arm));
    p.drawLine(quitCentre + QPointF(-arm, arm), quitCentre + QPointF(arm, -arm));
}

void paintTitle(QPainter& p) {
    // Between the banner and the option buttons, left of the month arrows.
    const QRectF area(4, kBannerHeight + 2, kBackSpot.left() - 6,
                      kAllOption.top() - kBannerHeight - 4);
    const qreal emblem = 30;
    paintEmblem(
        p, QRectF(area.left() + 3, std::round(area.center().y() - emblem / 2), emblem, emblem));

    const QString name = QStringLiteral("Almanor");
    const qreal textLeft = area.left() + emblem + 8;
    const QRectF nameBox(textLeft, area.top(), area.right() - textLeft, area.height() - 6);
    p.setFont(fittedFont(Lettering::Serif, QFont::Bold, 22, name, nameBox.width()));
    p.setPen(palette::ink);
    p.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, name);
    p.fillRect(QRectF(textLeft + 1, nameBox.bottom() - 1, 26, 2), palette::amber);
}

void paintMonthArrows(QPainter& p) {
    // One slim bar holds the back arrow, the today spot and the forward arrow.
    const qreal centreX = kBackSpot.center().x();
    const QRectF bar(centreX - 6.5, kBackSpot.top() - 1, 13,
                     kForwardSpot.bottom() - kBackSpot.top());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::steel);
    p.drawRoundedRect(bar, 6.5, 6.5);

    p.setPen(roundPen(Qt::white, 1.8));
    p.setBrush(Qt::NoBrush);
    const qreal upY = kBackSpot.center().y();
    QPainterPath up;
    up.moveTo(centreX - 3.5, upY + 1.8);
    up.lineTo(centreX, upY - 1.8);
    up.lineTo(centreX + 3.5, upY + 1.8);
    p.drawPath(up);
    const qreal downY = kForwardSpot.center().y() - 1;
    QPainterPath down;
    down.moveTo(centreX - 3.5, downY - 1.8);
    down.lineTo(centreX, downY + 1.8);
    down.lineTo(centreX + 3.5, downY - 1.8);
    p.drawPath(down);

    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(palette::amber);
    p.drawEllipse(QPointF(centreX, kTodaySpot.center().y()), 3.2, 3.2);
}

void paintScopeBand(QPainter& p) {
    // The option buttons fill themselves with this grey; the band frames them and runs on
    // under the calendar's edge.
    const QRectF band(kAllOption.left() - 6, kAllOption.top() - 2,
                      kCalendar.left() + 8 - (kAllOption.left() - 6), kAllOption.height() + 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kScopeGrey);
    p.drawRoundedRect(band, 5, 5);
}

void paintPill(QPainter& p, const QRectF& pill, const QString& word) {
    QLinearGradient shade(0, pill.top(), 0, pill.bottom());
    shade.setColorAt(0, palette::steel.lighter(115));
    shade.setColorAt(1, palette::steel);
    p.setPen(QPen(palette::steel.darker(130), 1));
    p.setBrush(shade);
    const qreal radius = pill.height() / 2;
    p.drawRoundedRect(pill, radius, radius);
    p.setFont(fittedFont(Lettering::Sans, QFont::Bold, 11, word, pill.width() - 8));
    p.setPen(Qt::white);
    p.drawText(pill, Qt::AlignCenter, word);
}

void paintClockOval(QPainter& p) {
    // The clock label writes white bold text across its whole width, so the oval reaches a
    // little past both ends of the label and stays dark throughout.
    const QRectF oval = kClock.adjusted(-3, 0, 3, 0);
    QLinearGradient shade(0, oval.top(), 0, oval.bottom());
    shade.setColorAt(0, palette::slate.lighter(112));
    shade.setColorAt(1, palette::slate.darker(115));
    p.setPen(QPen(kFrame, 1));
    p.setBrush(shade);
    const QRectF outline = oval.adjusted(0.5, 0.5, -0.5, -0.5);
    p.drawRoundedRect(outline, outline.height() / 2, outline.height() / 2);

    // A small clock face left of the oval.
    const QPointF centre(oval.left() - 8, oval.center().y());
    p.setPen(roundPen(palette::ink, 1.2));
    p.setBrush(palette::paperWhite);
    p.drawEllipse(centre, 5.5, 5.5);
    p.drawLine(centre, centre + QPointF(0, -3.6));
    p.drawLine(centre, centre + QPointF(2.6, 0));
}

void paintAlarmCaption(QPainter& p) {
    const QString caption = CalendarFace::tr("alarm:");
    const QRectF box(4, kAlarmField.top(), kAlarmField.left() - 7, kAlarmField.height());
    QFont font = fittedFont(Lettering::Sans, QFont::Bold, 11, caption, box.width() - 14);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(palette::ink);
    p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, caption);

    // A small bell before the caption.
    const qreal captionLeft = box.right() - QFontMetricsF(font).horizontalAdvance(caption);
    const QPointF top(std::max(box.left() + 5, captionLeft - 8), box.center().y() - 5);
    QPainterPath bell;
    bell.moveTo(top.x() - 4.5, top.y() + 8);
    bell.cubicTo(top.x() - 3, top.y() + 6, top.x() - 4.5, top.y(), top.x(), top.y());
    bell.cubicTo(top.x() + 4.5, top.y(), top.x() + 3, top.y() + 6, top.x() + 4.5, top.y() + 8);
    bell.closeSubpath();
    p.setPen(roundPen(palette::ink, 1));
    p.setBrush(palette::amber);
    p.drawPath(bell);
    p.setBrush(palette::ink);
    p.drawEllipse(QPointF(top.x(), top.y() + 9.3), 1.3, 1.3);
}

void paintNoteFrame(QPainter& p) {
    // The note box paints its own grey field; a steel rim shows two pixels around it.
    const QRectF rim = kNoteBox.adjusted(-2, -2, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::steel);
    p.drawRoundedRect(rim, 3, 3);
    p.setBrush(QColor(224, 224, 224));
    p.drawRect(kNoteBox);
}

// The words along the bottom edge, each led or followed by a small symbol.
enum class FooterSymbol { Info, Gear, ToEdge };

void paintFooterSymbol(QPainter& p, FooterSymbol symbol, const QPointF& centre) {
    switch (symbol) {
    case FooterSymbol::Info:
        p.setPen(Qt::NoPen);
        p.setBrush(palette::steel);
        p.drawEllipse(centre, 5, 5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(centre.x(), centre.y() - 2.4), 0.9, 0.9);
        p.fillRect(QRectF(centre.x() - 0.8, centre.y() - 0.8, 1.6, 3.8), Qt::white);
        break;
    case FooterSymbol::Gear:
        p.setPen(roundPen(palette::steel, 1.4));
        for (int i = 0; i < 3; ++i) {
            const qreal y = centre.y() - 3.5 + i * 3.5;
            p.drawLine(QPointF(centre.x() - 5, y), QPointF(centre.x() + 5, y));
        }
        p.setPen(QPen(palette::steel, 1));
        p.setBrush(palette::amber);
        for (const auto& knob : {QPointF(2, -3.5), QPointF(-2.5, 0), QPointF(1, 3.5)}) {
            p.drawEllipse(centre + knob, 1.7, 1.7);
        }
        break;
    case FooterSymbol::ToEdge:
        p.setPen(roundPen(palette::steel, 1.6));
        p.setBrush(Qt::NoBrush);
        for (const qreal dx : {-3.5, 0.5}) {
            QPainterPath chevron;
            chevron.moveTo(centre.x() + dx - 1.5, centre.y() - 3.5);
            chevron.lineTo(centre.x() + dx + 2, centre.y());
            chevron.lineTo(centre.x() + dx - 1.5, centre.y() + 3.5);
            p.drawPath(chevron);
        }
        p.drawLine(QPointF(centre.x() + 4.8, centre.y() - 4.5),
                   QPointF(centre.x() + 4.8, centre.y() + 4.5));
        break;
    }
}

void paintFooterWord(QPainter& p, const QRectF& spot, const QString& word, FooterSymbol symbol,
                     bool symbolFirst, qreal centreY) {
    const QFont font = fittedFont(Lettering::Sans, QFont::Bold, 12, word, spot.width() - 18);
    const qreal wordWidth = QFontMetricsF(font).horizontalAdvance(word);
    constexpr qreal symbolWidth = 11;
    constexpr qreal gap = 4;
    const qreal left = spot.center().x() - (wordWidth + gap + symbolWidth) / 2;
    const qreal wordLeft = symbolFirst ? left + symbolWidth + gap : left;
    const qreal symbolCentre =
        symbolFirst ? left + symbolWidth / 2 : left + wordWidth + gap + symbolWidth / 2;
    paintFooterSymbol(p, symbol, QPointF(symbolCentre, centreY));
    p.setFont(font);
    p.setPen(palette::ink);
    p.drawText(QRectF(wordLeft, centreY - 9, wordWidth + 2, 18), Qt::AlignLeft | Qt::AlignVCenter,
               word);
}

void paintFooter(QPainter& p) {
    const QRectF footer(0, kFooterTop, kWidth, kHeight - kFooterTop);
    p.fillRect(footer, QColor(221, 226, 232));
    p.fillRect(QRectF(0, kFooterTop, kWidth, 1), QColor(196, 204, 213));
    const qreal centreY = footer.center().y();
    paintFooterWord(p, kAboutSpot, CalendarFace::tr("about"), FooterSymbol::Info, true, centreY);
    paintFooterWord(p, kOptionsSpot, CalendarFace::tr("options"), FooterSymbol::Gear, true,
                    centreY);
    // "close" slides the window to the screen's edge: its arrow points there.
    paintFooterWord(p, kCloseSpot.intersected(window()), CalendarFace::tr("close"),
                    FooterSymbol::ToEdge, false, centreY);
}

void paintFrameLines(QPainter& p) {
    // Top (two pixels), left and bottom; the right edge rests against the screen's edge.
    p.fillRect(QRectF(0, 0, kWidth, 2), kFrame);
    p.fillRect(QRectF(0, 0, 1, kHeight), kFrame);
    p.fillRect(QRectF(0, kHeight - 1, kWidth, 1), kFrame);
}

} // namespace

void paintCalendarFace(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / kWidth, rect.height() / kHeight);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    paintBackground(painter);
    paintBanner(painter);
    paintTitle(painter);
    paintMonthArrows(painter);
    paintScopeBand(painter);
    paintPill(painter, kClearSpot.adjusted(1, 2, -1, -1), CalendarFace::tr("clear"));
    paintPill(painter, kViewSpot.adjusted(1, 1, -1, -1), CalendarFace::tr("view"));
    paintClockOval(painter);
    paintAlarmCaption(painter);
    paintNoteFrame(painter);
    paintFooter(painter);
    paintFrameLines(painter);
    painter.restore();
}

} // namespace almanor
