#include "platform/qt_services.h"

#ifdef ALMANOR_WITH_DBUS
#include "platform/artwork.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QIcon>
#include <QImage>
#endif

namespace almanor {

#ifdef ALMANOR_WITH_DBUS

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr uchar kCriticalUrgency = 2;
constexpr int kIconSide = 64;

QDBusMessage notificationsCall(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

// The program's icon as the notification's "image-data": the service needs no icon file or
// theme to show it, also where the program is not installed.
struct NoticeImage {
    QImage image;
};

QDBusArgument& operator<<(QDBusArgument& argument, const NoticeImage& notice) {
    const QImage image = notice.image.convertToFormat(QImage::Format_RGBA8888);
    argument.beginStructure();
    argument << image.width() << image.height() << static_cast<int>(image.bytesPerLine()) << true
             << 8 << 4
             << QByteArray(reinterpret_cast<const char*>(image.constBits()),
                           static_cast<qsizetype>(image.sizeInBytes()));
    argument.endStructure();
    return argument;
}

// Never read: the service only receives images.
const QDBusArgument& operator>>(const QDBusArgument& argument, NoticeImage&) {
    return argument;
}

} // namespace
} // namespace almanor

Q_DECLARE_METATYPE(almanor::NoticeImage)

namespace almanor {

QtDesktopNotifier::QtDesktopNotifier() {
    qDBusRegisterMetaType<NoticeImage>();
    // QtDBus delivers the bus's signals to slots named by their signature only.
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
    bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                SLOT(notificationClosed(uint, uint)));
}

void QtDesktopNotifier::send(const DesktopNotice& notice, NoticeAnswered answered) {
    QStringList actions;
    for (const auto& [key, label] : notice.actions) {
        actions << key << label;
    }
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral("almanor")},
        {QStringLiteral("urgency"), QVariant::fromValue(kCriticalUrgency)},
        {QStringLiteral("image-data"),
         QVariant::fromValue(NoticeImage{appIcon().pixmap(kIconSide).toImage()})},
    };
    QDBusMessage call = notificationsCall(QStringLiteral("Notify"));
    // Never expires: an alarm stays until it is answered.
    call << appTitle() << shown_ << QString() << notice.summary << notice.body << actions << hints
         << 0;
    answered_ = std::move(answered);
    waiting_ = true;
    // Asked without waiting: a service that is slow to start must not hold up the program.
    auto* reply = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<uint> number = *w;
        w->deleteLater();
        if (!waiting_) {
            // Withdrawn before the service answered.
            if (number.isValid()) {
                close(number.value());
            }
            return;
        }
        waiting_ = false;
        shown_ = number.isValid() ? number.value() : 0;
    });
}

void QtDesktopNotifier::withdraw() {
    answered_ = nullptr;
    waiting_ = false;
    close(std::exchange(shown_, 0));
}

void QtDesktopNotifier::close(uint id) {
    if (id != 0) {
        QDBusMessage call = notificationsCall(QStringLiteral("CloseNotification"));
        call << id;
        QDBusConnection::sessionBus().asyncCall(call);
    }
}

void QtDesktopNotifier::actionInvoked(uint id, const QString& key) {
    if (id != 0 && id == shown_ && answered_) {
        shown_ = 0;
        std::exchange(answered_, nullptr)(key);
        close(id);
    }
}

void QtDesktopNotifier::notificationClosed(uint id, uint /*reason*/) {
    if (id != 0 && id == shown_) {
        shown_ = 0;
        answered_ = nullptr;
    }
}

#else

QtDesktopNotifier::QtDesktopNotifier() = default;
void QtDesktopNotifier::send(const DesktopNotice&, NoticeAnswered) {}
void QtDesktopNotifier::withdraw() {}
void QtDesktopNotifier::close(uint) {}
void QtDesktopNotifier::actionInvoked(uint, const QString&) {}
void QtDesktopNotifier::notificationClosed(uint, uint) {}

#endif

} // namespace almanor
