#include "platform/artwork.h"
#include "platform/qt_services.h"

#include <QCursor>
#include <QIcon>
#include <QSystemTrayIcon>

namespace almanor {

QtTrayIcon::QtTrayIcon() = default;

QtTrayIcon::~QtTrayIcon() = default;

bool QtTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::setHandlers(TrayHandlers handlers) {
    handlers_ = std::move(handlers);
}

void QtTrayIcon::show() {
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>(appIcon());
        icon_->setToolTip(QStringLiteral("Double Click or Right Click"));
        QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             switch (reason) {
                             case QSystemTrayIcon::Trigger:
                                 if (handlers_.leftPress) {
                                     handlers_.leftPress();
                                 }
                                 break;
                             case QSystemTrayIcon::DoubleClick:
                                 if (handlers_.doubleClick) {
                                     handlers_.doubleClick();
                                 }
                                 break;
                             case QSystemTrayIcon::Context:
                                 if (handlers_.rightPress) {
                                     handlers_.rightPress(QCursor::pos());
                                 }
                                 break;
                             default:
                                 break;
                             }
                         });
    }
    icon_->show();
}

void QtTrayIcon::hide() {
    if (icon_) {
        icon_->hide();
    }
}

bool QtTrayIcon::isShown() const {
    return icon_ && icon_->isVisible();
}

} // namespace almanor
