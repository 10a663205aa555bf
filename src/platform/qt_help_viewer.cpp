#include "platform/qt_services.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>

namespace almanor {

QtHelpViewer::~QtHelpViewer() {
    delete window_;
}

bool QtHelpViewer::showContents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QString html = QString::fromUtf8(file.readAll());
    if (window_ == nullptr) {
        window_ = new QTextBrowser;
        window_->setWindowTitle(QStringLiteral("Almanor Help"));
        window_->setOpenExternalLinks(true);
        window_->resize(560, 640);
    }
    window_->setSearchPaths({QFileInfo(path).absolutePath()});
    window_->setHtml(html);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

} // namespace almanor
