#include "platform/artwork.h"

#include <QPainter>

namespace almanor {

QIcon appIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(60, 90, 140));
    return QIcon(pixmap);
}

QPixmap aboutPicture(qreal devicePixelRatio) {
    QPixmap pixmap(QSize(288, 144) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(QColor(212, 212, 212));
    return pixmap;
}

QIcon buttonPicture(ButtonPicture /*picture*/) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return QIcon(pixmap);
}

} // namespace almanor
