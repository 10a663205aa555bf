#include "overview/picture_button.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace almanor {

namespace {

constexpr int kPictureSize = 16;
constexpr int kPictureToCaption = 2;
constexpr int kBevel = 3;
constexpr qreal kSmallestPointSize = 6;
constexpr int kCaptionFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

PictureButton::PictureButton(const QIcon& picture, const QString& caption, QWidget* parent)
    : QPushButton(picture, caption, parent) {
    setIconSize(QSize(kPictureSize, kPictureSize));
}

// The caption may use the whole face inside the bevel; the style's content margins are meant
// for one line and would push a wrapped caption out of a small button.
QRect PictureButton::face() const {
    return rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
}

QRect PictureButton::captionBounds(const QFont& font) const {
    return QFontMetrics(font).boundingRect(face(), kCaptionFlags, text());
}

int PictureButton::captionSpace() const {
    return face().height() - iconSize().height() - kPictureToCaption;
}

QSize PictureButton::sizeHint() const {
    return {width(), height() - captionSpace() + captionBounds(font()).height()};
}

void PictureButton::shareFittingFont(std::span<PictureButton* const> row) {
    if (row.empty()) {
        return;
    }
    QFont font = row.front()->font();
    const auto allFit = [&] {
        return std::all_of(row.begin(), row.end(), [&](const PictureButton* button) {
            return button->captionBounds(font).height() <= button->captionSpace();
        });
    };
    while (!allFit() && font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    for (PictureButton* button : row) {
        button->setFont(font);
    }
}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    // The style draws the frame and the focus mark; picture and caption are placed here.
    QStyleOptionButton frame = option;
    frame.text.clear();
    frame.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, frame);

    QRect area = face();
    if (isDown() || isChecked()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    const QFont font = this->font();
    const QRect caption = QFontMetrics(font).boundingRect(area, kCaptionFlags, option.text);
    painter.setFont(font);
    const int height = iconSize().height() + kPictureToCaption + caption.height();
    const int top = area.top() + std::max(0, (area.height() - height) / 2);

    const QRect pictureRect(area.left() + (area.width() - iconSize().width()) / 2, top,
                            iconSize().width(), iconSize().height());
    icon().paint(&painter, pictureRect, Qt::AlignCenter,
                 isEnabled() ? QIcon::Normal : QIcon::Disabled);

    QRect captionRect = area;
    captionRect.setTop(pictureRect.bottom() + 1 + kPictureToCaption);
    style()->drawItemText(&painter, captionRect, kCaptionFlags, option.palette, isEnabled(),
                          option.text, QPalette::ButtonText);
}

} // namespace almanor
