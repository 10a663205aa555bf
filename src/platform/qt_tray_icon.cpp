#include "platform/artwork.h"
#include "platform/qt_services.h"

#include <QCursor>
#include <QIcon>
#include <QSystemTrayIcon>
#ifdef ALMANOR_WITH_DBUS
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#endif

namespace almanor {

namespace {

// Long enough to read a sentence twice; desktops with their own notifications may keep it longer.
constexpr int kMessageShownMs = 15000;

} // namespace

QtTrayIcon::QtTrayIcon() = default;

QtTrayIcon::~QtTrayIcon() = default;

bool QtTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTrayIcon::reportsDoubleClicks() const {
#ifdef ALMANOR_WITH_DBUS
    // Qt speaks the StatusNotifierItem protocol wherever a watcher for it runs; the protocol
    // has a primary action but no double click.
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus == nullptr ||
           !bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
#else
    return true;
#endif
}

void QtTrayIcon::setHandlers(TrayHandlers handlers) {
    handlers_ = std::move(handlers);
}

void QtTrayIcon::show() {
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>(appIcon());
        icon_->setToolTip(tr("Double Click or Right Click"));
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

void QtTrayIcon::showMessage(const QString& text) {
    if (icon_) {
        icon_->showMessage(appTitle(), text, QSystemTrayIcon::Information, kMessageShownMs);
    }
}

} // namespace almanor
