#include "common/twips.h"
#include "platform/qt_services.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTimeZone>
#include <QUrl>

namespace almanor {

QDateTime QtClock::now() const {
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    if (!offsetFrom_.isValid() || utc < offsetFrom_ || utc >= offsetUntil_) {
        const QTimeZone zone = QTimeZone::systemTimeZone();
        offsetSeconds_ =
            zone.isValid() ? zone.offsetFromUtc(utc) : utc.toLocalTime().offsetFromUtc();
        offsetFrom_ = utc;
        offsetUntil_ = utc.addSecs(60 * 60);
        if (const QDateTime next = zone.nextTransition(utc).atUtc;
            next.isValid() && next < offsetUntil_) {
            offsetUntil_ = next;
        }
    }
    return utc.toOffsetFromUtc(offsetSeconds_);
}

static QRect primaryScreenGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QtScreenMetrics::QtScreenMetrics() {
    const auto changed = [this] {
        followPrimaryScreen();
        if (handler_) {
            handler_();
        }
    };
    QObject::connect(qGuiApp, &QGuiApplication::primaryScreenChanged, &watcher_, changed);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, &watcher_, changed);
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, &watcher_, changed);
    followPrimaryScreen();
}

void QtScreenMetrics::followPrimaryScreen() {
    QObject::disconnect(primaryMoved_);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        primaryMoved_ = QObject::connect(screen, &QScreen::geometryChanged, &watcher_, [this] {
            if (handler_) {
                handler_();
            }
        });
    }
}

void QtScreenMetrics::setChangeHandler(std::function<void()> handler) {
    handler_ = std::move(handler);
}

float QtScreenMetrics::leftTwips() const {
    return pixelsToTwips(static_cast<float>(primaryScreenGeometry().x()));
}

float QtScreenMetrics::topTwips() const {
    return pixelsToTwips(static_cast<float>(primaryScreenGeometry().y()));
}

float QtScreenMetrics::widthTwips() const {
    return pixelsToTwips(static_cast<float>(primaryScreenGeometry().width()));
}

float QtScreenMetrics::heightTwips() const {
    return pixelsToTwips(static_cast<float>(primaryScreenGeometry().height()));
}

bool QtWebBrowser::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

std::optional<QString> QtFileDialog::openExistingFile(QWidget* parent, const QString& title,
                                                      const QString& filterName,
                                                      const QString& pattern,
                                                      const QString& startFolder) {
    const QString chosen = QFileDialog::getOpenFileName(
        parent, title, startFolder, QStringLiteral("%1 (%2)").arg(filterName, pattern));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen;
}

std::optional<QString> QtTrash::moveToTrash(const QString& path) {
    // Qt makes the home trash only inside an existing data folder, and without one it takes the
    // working folder for the trash: the folder is made first, and a file that went elsewhere
    // all the same is put back.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString pathInTrash;
    if (!QFile::moveToTrash(path, &pathInTrash)) {
        return std::nullopt;
    }
    if (QFileInfo(pathInTrash).isRelative()) {
        restore(pathInTrash, path);
        return std::nullopt;
    }
    return pathInTrash;
}

bool QtTrash::restore(const QString& pathInTrash, const QString& path) {
    if (QFileInfo::exists(path) || !QFile::rename(pathInTrash, path)) {
        return false;
    }
    // The freedesktop.org trash says where each file came from in Trash/info/<name>.trashinfo,
    // beside Trash/files/<name>: left behind, the file manager would list a file that is gone.
    const QFileInfo trashed(pathInTrash);
    QFile::remove(
        trashed.dir().filePath(QStringLiteral("../info/%1.trashinfo").arg(trashed.fileName())));
    return true;
}

} // namespace almanor
