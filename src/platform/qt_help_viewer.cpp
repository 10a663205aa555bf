#include "common/app_folder.h"
#include "platform/file_messages.h"
#include "platform/qt_services.h"
#include "platform/window_keys.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <cstddef>

namespace almanor {

namespace {

// The help that comes with the program is a few dozen kilobytes; a file hundreds of times
// that size is no help file, and reading it would only hold the program up.
constexpr std::size_t kLargestHelpFile = 4 * 1024 * 1024;

} // namespace

QtHelpViewer::~QtHelpViewer() {
    delete window_;
}

bool QtHelpViewer::showContents(const QString& path, QString& whyNot) {
    const ReadResult file = readRegularFile(pathFromUtf8(path.toStdString()), kLargestHelpFile);
    if (!file.read()) {
        whyNot = unreadableBecause(file.status, file.error);
        return false;
    }
    const QString html =
        QString::fromUtf8(file.bytes.data(), static_cast<qsizetype>(file.bytes.size()));
    if (window_ == nullptr) {
        window_ = new QTextBrowser;
        window_->setWindowTitle(tr("Almanor Help"));
        window_->setOpenExternalLinks(true);
        window_->resize(560, 640);
        closeOnEscape(*window_);
    }
    window_->setSearchPaths({QFileInfo(path).absolutePath()});
    window_->setHtml(html);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

} // namespace almanor
