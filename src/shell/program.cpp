#include "shell/program.h"

#include "about/about_window.h"
#include "alarm/alarm_ticker.h"
#include "calendar/calendar_window.h"
#include "common/app_folder.h"
#include "overview/overview_window.h"
#include "settings/options_window.h"
#include "shell/apply_settings.h"
#include "shell/start_window.h"

namespace almanor {

Program::Program(Platform& platform, std::string folder)
    : platform_(platform), appFolder_(withTrailingSeparator(folder)), settings_(appFolder_),
      notes_(appFolder_) {
    QObject::connect(&settings_, &ProgramSettings::changed, &settings_,
                     [this] { applySettings(*this); });
}

Program::~Program() {
    // The long-lived windows go before the notes they show; the calendar window owns the
    // alarm time dialog.
    delete optionsWindow_.data();
    delete aboutWindow_.data();
    ticker_.reset(); // it shows the time in the calendar window
    calendarWindow_.reset();
    overviewWindow_.reset();
    startWindow_.reset();
}

StartWindow& Program::startWindow() {
    if (!startWindow_) {
        startWindow_ = std::make_unique<StartWindow>(*this);
    }
    return *startWindow_;
}

CalendarWindow& Program::calendarWindow() {
    if (!calendarWindow_) {
        calendarWindow_ = std::make_unique<CalendarWindow>(notes_, settings_.inEffect(), platform_,
                                                           QString::fromStdString(appFolder_));
        CalendarWindow* window = calendarWindow_.get();
        QObject::connect(window, &CalendarWindow::aboutRequested, window,
                         [this] { showAboutWindow(); });
        QObject::connect(window, &CalendarWindow::optionsRequested, window,
                         [this] { showOptionsWindow(); });
        QObject::connect(window, &CalendarWindow::allNotesRequested, window,
                         [this] { showOverviewWindow(); });
        ticker_ = std::make_unique<AlarmTicker>(*window, notes_, settings_.inEffect(), platform_,
                                                QString::fromStdString(appFolder_), nullptr);
        window->formLoad();
    }
    return *calendarWindow_;
}

bool Program::hasCalendarWindow() const {
    return calendarWindow_ != nullptr;
}

OverviewWindow& Program::overviewWindow() {
    if (!overviewWindow_) {
        overviewWindow_ = std::make_unique<OverviewWindow>(notes_, platform_);
        QObject::connect(overviewWindow_.get(), &OverviewWindow::goToDateRequested,
                         overviewWindow_.get(),
                         [this](const Date& day) { calendarWindow().showDay(day); });
    }
    return *overviewWindow_;
}

OptionsWindow& Program::optionsWindow() {
    if (optionsWindow_.isNull()) {
        optionsWindow_ = new OptionsWindow(settings_, platform_, appFolder_); // deleted on close
        OptionsWindow* window = optionsWindow_.data();
        QObject::connect(window, &OptionsWindow::aboutRequested, window,
                         [this] { showAboutWindow(); });
        QObject::connect(window, &OptionsWindow::helpRequested, window,
                         [this] { calendarWindow().help(); });
    }
    return *optionsWindow_;
}

bool Program::hasOptionsWindow() const {
    return !optionsWindow_.isNull();
}

AboutWindow& Program::aboutWindow() {
    if (aboutWindow_.isNull()) {
        aboutWindow_ = new AboutWindow(platform_.browser); // deletes itself when closed
    }
    return *aboutWindow_;
}

bool Program::hasAboutWindow() const {
    return !aboutWindow_.isNull();
}

void Program::showOptionsWindow() {
    OptionsWindow& window = optionsWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void Program::showAboutWindow() {
    AboutWindow& window = aboutWindow();
    window.show();
    window.raise();
}

void Program::showOverviewWindow() {
    notes_.refresh(); // the list is read whole only when it is looked at
    OverviewWindow& window = overviewWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace almanor
