#include "platform/focus_frame.h"
#include "platform/qt_platform.h"
#include "settings/preferences_file.h"
#include "settings/spoken_language.h"
#include "shell/command_line.h"
#include "shell/folders_in_use.h"
#include "shell/program.h"
#include "shell/single_instance.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QString usage() {
    return QObject::tr(
        "Usage: almanor [--show | --hide | --toggle | --today | --help | --version]\n"
        "  --show     bring the calendar window out (starts Almanor if needed)\n"
        "  --hide     slide the calendar window away\n"
        "  --toggle   slide the window out, or away when it is out\n"
        "  --today    bring the window out on today's note\n"
        "  --help     show this text\n"
        "  --version  show the version of Almanor\n");
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered without a display, so that they work in any terminal.
    const almanor::CommandLine commandLine =
        almanor::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (commandLine.rejected) {
        print(stderr, QObject::tr("almanor: unknown or extra option %1 (see almanor --help)\n")
                          .arg(QString::fromLocal8Bit(*commandLine.rejected)));
        return 1;
    }
    if (commandLine.command == almanor::Command::Help) {
        print(stdout, usage());
        return 0;
    }
    if (commandLine.command == almanor::Command::Version) {
        print(stdout, QStringLiteral("Almanor " ALMANOR_VERSION "\n"));
        return 0;
    }
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
    const almanor::Folders folders = almanor::foldersInUse(ALMANOR_SYSTEM_INSTALL != 0);
    almanor::showFocusFrames(app);
    // Every text is looked up where it is made, the first message just below.
    const almanor::SpokenLanguage language(
        almanor::preferencesFromValues(almanor::loadPreferenceValues(folders.data).values)
            .language);
    almanor::SingleInstance instance(QString::fromStdString(folders.data),
                                     almanor::SingleInstance::userRuntimeFolder());
    switch (instance.claim(commandLine.command)) {
    case almanor::SingleInstance::Start::Alone:
        if (commandLine.command == almanor::Command::Hide) {
            print(stderr, QObject::tr("almanor: Almanor is not running\n"));
            return 1;
        }
        break;
    case almanor::SingleInstance::Start::HandedOver:
        return 0; // the program already running on this folder does what was asked
    case almanor::SingleInstance::Start::NoAnswer:
        QMessageBox::warning(
            nullptr, QApplication::applicationName(),
            QObject::tr("Almanor already runs on this folder (process %1) but does not answer")
                .arg(instance.otherProcess()));
        return 1;
    }
    almanor::QtPlatform platform;
    platform.platform().programEnd.setCleanUp([&instance] { instance.release(); });
    almanor::Program program(platform.platform(), folders);
    QObject::connect(&instance, &almanor::SingleInstance::requested, &instance,
                     [&program](almanor::Command request) { program.carryOut(request); });
    program.start();
    return QApplication::exec();
}
