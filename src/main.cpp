#include "calendar/calendar_window.h"
#include "platform/qt_platform.h"
#include "settings/preferences_file.h"
#include "settings/spoken_language.h"
#include "shell/program.h"
#include "shell/single_instance.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
#if defined(Q_OS_LINUX)
    // Wayland lets no program place its own window, and the planner must sit at the screen
    // edge and slide: on a Wayland desktop it runs through XWayland. An explicit platform
    // choice (for example the offscreen one in tests) is left alone.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // The clock repaints each second. Through shared memory every repaint is answered by the X
    // server, which wakes the program a second and a third time; the windows are small enough
    // to send their pixels over the connection instead.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Almanor"));
    QApplication::setQuitOnLastWindowClosed(false); // the program ends only by Exit or Quit
    // Every text is looked up where it is made, the first message just below.
    const almanor::SpokenLanguage language(
        almanor::preferencesFromValues(
            almanor::loadPreferenceValues(QApplication::applicationDirPath().toStdString()).values)
            .language);
    almanor::SingleInstance instance(QApplication::applicationDirPath(),
                                     almanor::SingleInstance::userRuntimeFolder());
    switch (instance.claim()) {
    case almanor::SingleInstance::Start::Alone:
        break;
    case almanor::SingleInstance::Start::HandedOver:
        return 0; // the program already running on this folder shows its window
    case almanor::SingleInstance::Start::NoAnswer:
        QMessageBox::warning(
            nullptr, QApplication::applicationName(),
            QObject::tr("Almanor already runs on this folder (process %1) but does not answer")
                .arg(instance.otherProcess()));
        return 1;
    }
    almanor::QtPlatform platform;
    platform.platform().programEnd.setCleanUp([&instance] { instance.release(); });
    almanor::Program program(platform.platform(), QApplication::applicationDirPath().toStdString());
    QObject::connect(&instance, &almanor::SingleInstance::showRequested, &instance,
                     [&program] { program.calendarWindow()->comeForward(); });
    program.start();
    return QApplication::exec();
}
