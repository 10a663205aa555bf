#include "calendar/hotspot.h"

#include <QMouseEvent>

namespace almanor {

Hotspot::Hotspot(const QString& accessibleName, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(accessibleName);
}

void Hotspot::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
    }
}

void Hotspot::mouseReleaseEvent(QMouseEvent* event) {
    // A click counts only when the button comes up over the same spot, as with any button.
    if (event->button() == Qt::LeftButton && pressed_ &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    pressed_ = false;
}

void Hotspot::mouseMoveEvent(QMouseEvent* /*event*/) {
    emit mouseMoved();
}

void Hotspot::enterEvent(QEnterEvent* /*event*/) {
    emit mouseMoved();
}

} // namespace almanor
