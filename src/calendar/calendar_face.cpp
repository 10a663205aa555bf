#include "calendar/calendar_face.h"

#include <QPainter>

namespace almanor {

void paintCalendarFace(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, QColor(200, 200, 200));
}

} // namespace almanor
