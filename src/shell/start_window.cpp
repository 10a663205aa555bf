#include "shell/start_window.h"

#include "about/about_window.h"
#include "calendar/calendar_window.h"
#include "settings/settings_file.h"
#include "shell/apply_settings.h"
#include "shell/program.h"

#include <QMenu>

namespace almanor {

StartWindow::StartWindow(Program& program)
    : QWidget(nullptr), program_(program), splashTimer_(new QTimer(this)) {
    splashTimer_->setObjectName(QStringLiteral("splash"));
    setWindowTitle(tr("Almanor"));
    connect(splashTimer_, &QTimer::timeout, this, &StartWindow::splashTick);
    buildTrayMenu();
    program_.platform().tray.setHandlers({[this] { trayLeftPress(); },
                                          [this] { trayDoubleClick(); },
                                          [this](QPoint pos) { trayRightPress(pos); }});
}

StartWindow::~StartWindow() {
    TrayIcon& tray = program_.platform().tray;
    tray.hide();
    tray.setHandlers({}); // the icon's events must not reach a window that is gone
}

void StartWindow::formLoad() {
    applySettings(program_, PurgeTiming::AfterStartUp); // creates the calendar window
    ssplash_ = 2;
    // The first tick can only come once this sequence has returned to the event loop, so
    // the splash always lands on top of the calendar window.
    splashTimer_->setInterval(1);
    splashTimer_->start();
    CalendarWindow& calendarWindow = program_.calendarWindow();
    calendarWindow.show();
    // Normally today already; it differs only when midnight passed during the start-up.
    const QDate today = program_.platform().clock.now().date();
    calendarWindow.showDay(Date{today.year(), today.month(), today.day()});
    program_.overviewWindow();
    program_.notes().readListInSteps();
    // Told once the window is up; a missing file or one that does not parse stays silent.
    if (const std::optional<QString>& why = program_.settings().whyUnreadable()) {
        program_.platform().messageBox.show(
            tr("The settings file %1 could not be read (%2), so the standard settings are used.")
                .arg(QString::fromStdString(std::string(kSettingsFileName)), *why),
            MessageStyle::Warning);
    }
}

void StartWindow::splashTick() {
    if (ssplash_ == 2) {
        splashTimer_->setInterval(2000);
        // The splash leaves the keyboard where it is: a window manager that gives each new
        // window the focus would otherwise let it take keys meant for the calendar window,
        // a close by the window manager included.
        program_.aboutWindow().setAttribute(Qt::WA_ShowWithoutActivating);
        program_.showAboutWindow();
        ssplash_ = static_cast<std::int16_t>(ssplash_ - 1);
    } else {
        // Closed also when the user opened "About" meanwhile: it is the same window.
        if (program_.hasAboutWindow()) {
            program_.aboutWindow().close();
        }
        splashTimer_->stop();
    }
}

void StartWindow::buildTrayMenu() {
    trayMenu_ = new QMenu(QStringLiteral("Shell_Menu"), this);
    trayMenu_->addAction(tr("Options"), this, [this] { program_.showOptionsWindow(); });
    trayMenu_->addSeparator();
    trayMenu_->addAction(tr("About"), this, [this] { program_.showAboutWindow(); });
    trayMenu_->addAction(tr("Exit"), this, [this] { program_.platform().programEnd.endNow(); });
}

void StartWindow::trayLeftPress() {
    CalendarWindow& window = program_.calendarWindow();
    window.bringToFront();
    // Where no double click ever comes, the click is the way back to a parked window.
    if (!program_.platform().tray.reportsDoubleClicks() && window.isParked()) {
        window.startSlideOut();
    }
}

void StartWindow::trayDoubleClick() {
    // A double click also brought the window to the front with its first press.
    CalendarWindow& window = program_.calendarWindow();
    window.showAgain();
    if (window.isParked()) {
        window.startSlideOut();
    } else {
        window.startSlideAway();
    }
}

void StartWindow::trayRightPress(const QPoint& globalPos) {
    trayMenu_->popup(globalPos);
}

} // namespace almanor
