#include "platform/qt_platform.h"
#include "shell/program.h"
#include "shell/start_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Almanor"));
    QApplication::setQuitOnLastWindowClosed(false); // the program ends only by Exit or Quit
    almanor::QtPlatform platform;
    almanor::Program program(platform.platform(), QApplication::applicationDirPath().toStdString());
    program.startWindow().formLoad();
    return QApplication::exec();
}
