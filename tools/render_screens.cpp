// Renders the program's windows and pictures to PNG files, for the documentation.
//
//   render_screens <output folder> [scale]
//
// The windows run on the offscreen platform with the fake platform services of the tests, in
// a temporary application folder holding a few notes; "today" is the fake clock's day. A scale
// of 2 renders the pictures at double resolution, as on a high-DPI screen.

#include "about/about_window.h"
#include "alarm/time_dialog.h"
#include "calendar/calendar_window.h"
#include "fakes/test_program.h"
#include "overview/overview_window.h"
#include "platform/artwork.h"
#include "settings/options_window.h"
#include "shell/program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTextBrowser>
#include <cstdio>
#include <string>

namespace {

using almanor::testing::record;
using almanor::testing::TestProgram;

bool save(const QPixmap& pixmap, const QDir& folder, const QString& name, const QString& suffix) {
    const QString path = folder.filePath(name + suffix + QStringLiteral(".png"));
    if (!pixmap.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool grabWindow(QWidget& window, const QDir& folder, const QString& name, const QString& suffix) {
    window.show();
    QApplication::processEvents();
    return save(window.grab(), folder, name, suffix);
}

// The icon at each of its sizes, the button pictures and the about picture on one sheet.
QPixmap artworkSheet(qreal ratio) {
    const QSize size(420, 170);
    QPixmap sheet(size * ratio);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(QColor(250, 250, 250));
    QPainter p(&sheet);
    int x = 12;
    for (const int side : {16, 32, 48, 64}) {
        p.drawPixmap(x, 12 + 64 - side, almanor::appIcon().pixmap(QSize(side, side), ratio));
        x += side + 12;
    }
    x = 12;
    for (const almanor::ButtonPicture picture : almanor::kButtonPictures) {
        const int side = almanor::buttonPictureSide(picture);
        p.drawPixmap(x, 100 + 32 - side,
                     almanor::buttonPicture(picture).pixmap(QSize(side, side), ratio));
        x += side + 12;
    }
    p.drawPixmap(QRect(240, 12, 144, 72), almanor::aboutPicture(ratio));
    return sheet;
}

// The help file as the help viewer shows it.
bool grabHelp(const QDir& folder, const QString& suffix) {
    QFile file(QStringLiteral(ALMANOR_RESOURCES_DIR "/almanor.hlp"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        return false;
    }
    QTextBrowser viewer;
    viewer.resize(560, 640);
    viewer.setHtml(QString::fromUtf8(file.readAll()));
    return grabWindow(viewer, folder, QStringLiteral("help"), suffix);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_screens <output folder> [scale]\n");
        return 2;
    }
    const std::string scale = argc > 2 ? argv[2] : "1";
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(scale));
    QApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const QString suffix =
        scale == "1" ? QString() : QStringLiteral("@%1x").arg(QString::fromStdString(scale));

    TestProgram t;
    t.writeFile("20261206.dnf", record("Dentist at 3 pm.\r\nBring the insurance card.",
                                       "12/06/2026", "2:00:00 PM"));
    t.writeFile("20261211.dnf", record("Mia's school concert, 6 pm", "12/11/2026", ""));
    t.writeFile("20261224.dnf", record("Pick up the goose", "12/24/2026", "9:00:00 AM"));
    t.writeFile("20261130.dnf", record("Renew library books", "11/30/2026", ""));
    almanor::Program& program = t.started();

    almanor::CalendarWindow& calendar = *program.calendarWindow();
    bool ok = grabWindow(calendar, folder, QStringLiteral("calendar"), suffix);
    program.showOverviewWindow();
    ok = grabWindow(*program.overviewWindow(), folder, QStringLiteral("overview"), suffix) && ok;
    program.showOptionsWindow();
    ok = grabWindow(*program.optionsWindow(), folder, QStringLiteral("options"), suffix) && ok;
    program.showAboutWindow();
    ok = grabWindow(*program.aboutWindow(), folder, QStringLiteral("about"), suffix) && ok;
    QFocusEvent openDialog(QEvent::FocusIn, Qt::MouseFocusReason); // as a click on the alarm
    QApplication::sendEvent(calendar.findChild<QLineEdit*>(QStringLiteral("alarmField")),
                            &openDialog);
    ok = grabWindow(*calendar.findChild<almanor::TimeDialog*>(), folder,
                    QStringLiteral("alarm-time"), suffix) &&
         ok;
    ok = grabHelp(folder, suffix) && ok;
    const qreal ratio = scale == "1" ? 1.0 : std::stod(scale);
    ok = save(artworkSheet(ratio), folder, QStringLiteral("artwork"), suffix) && ok;
    // The icon the desktop's menu shows for the installed program.
    ok = almanor::appIcon().pixmap(64).save(folder.filePath(QStringLiteral("almanor-icon.png"))) &&
         ok;
    return ok ? 0 : 1;
}
