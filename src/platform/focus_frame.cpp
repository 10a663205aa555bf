#include "platform/focus_frame.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace almanor {

namespace {

constexpr int kFrameWidth = 2;

// The desktop's style, with a focus frame of its own.
class FocusFrameStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element != CE_FocusFrame) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::Highlight), kFrameWidth));
        const qreal inset = kFrameWidth / 2.0;
        painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
        painter->restore();
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin) {
            return kFrameWidth;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

bool takesTheKeyboard(const QWidget* widget) {
    return widget != nullptr && !widget->isWindow() && (widget->focusPolicy() & Qt::TabFocus);
}

} // namespace

void showFocusFrames(QApplication& app) {
    QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
    // The frame lives among the focused control's siblings, so it goes with their window and
    // is made again for the next one.
    QObject::connect(&app, &QApplication::focusChanged, &app,
                     [frame = QPointer<QFocusFrame>()](QWidget*, QWidget* now) mutable {
                         if (!takesTheKeyboard(now)) {
                             if (frame) {
                                 frame->setWidget(nullptr);
                             }
                             return;
                         }
                         if (!frame) {
                             frame = new QFocusFrame(now);
                         }
                         frame->setWidget(now);
                     });
}

} // namespace almanor
