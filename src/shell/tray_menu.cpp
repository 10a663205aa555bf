#include "shell/tray_menu.h"

#include "calendar/calendar_window.h"
#include "shell/program.h"

namespace almanor {

TrayMenu::TrayMenu(Program& program) : program_(program) {
    setObjectName(QStringLiteral("trayMenu"));
    addAction(tr("Options"), this, [this] { program_.showOptionsWindow(); });
    addSeparator();
    addAction(tr("About"), this, [this] { program_.showAboutWindow(); });
    addAction(tr("Exit"), this, [this] { program_.platform().programEnd.endNow(); });
    program_.platform().tray.setHandlers(
        {[this] { leftPress(); }, [this] { doubleClick(); }, [this](QPoint at) { popup(at); }});
}

TrayMenu::~TrayMenu() {
    TrayIcon& tray = program_.platform().tray;
    tray.hide();
    tray.setHandlers({}); // the icon's events must not reach a window that is gone
}

void TrayMenu::leftPress() {
    CalendarWindow& window = *program_.calendarWindow();
    window.bringToFront();
    // Where no double click ever comes, the click is the way back to a parked window.
    if (!program_.platform().tray.reportsDoubleClicks() && window.isParked()) {
        window.startSlideOut();
    }
}

void TrayMenu::doubleClick() {
    // A double click also brought the window to the front with its first press.
    program_.carryOut(Command::Toggle);
}

} // namespace almanor
