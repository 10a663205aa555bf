#include "platform/qt_platform.h"

#include "platform/qt_services.h"

namespace almanor {

struct QtPlatform::Services {
    QtMessageBox messageBox;
    QtSoundPlayer sound;
    QtClock clock;
    QtScreenMetrics screen;
    QtTrayIcon tray;
    QtWebBrowser browser;
    QtHelpViewer help;
    QtFileDialog fileDialog;
    QtProgramEnd programEnd{tray};
    QtDesktopNotifier notifier;
    QtTrash trash;
};

QtPlatform::QtPlatform()
    : services_(std::make_unique<Services>()),
      platform_(std::make_unique<Platform>(
          Platform{services_->messageBox, services_->sound, services_->clock, services_->screen,
                   services_->tray, services_->browser, services_->help, services_->fileDialog,
                   services_->programEnd, services_->notifier, services_->trash})) {}

QtPlatform::~QtPlatform() = default;

} // namespace almanor
