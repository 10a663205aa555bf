#include "shell/program.h"

#include "about/about_window.h"
#include "alarm/alarm_ticker.h"
#include "calendar/calendar_window.h"
#include "common/app_folder.h"
#include "notes/shown_note_file.h"
#include "overview/overview_window.h"
#include "settings/options_window.h"
#include "settings/preferences_file.h"
#include "settings/settings_file.h"
#include "shell/apply_settings.h"
#include "shell/tray_menu.h"

#include <QTimer>
#include <filesystem>

namespace almanor {

namespace {

const std::string kFirstStartHintKey = "State/firstStartHintShown";

bool exists(const std::string& folder, std::string_view file) {
    return std::filesystem::exists(pathFromUtf8(joinPath(folder, file)));
}

} // namespace

Program::Program(Platform& platform, Folders folders)
    : platform_(platform), folders_(std::move(folders)),
      firstStart_(!exists(folders_.data, kSettingsFileName) &&
                  !exists(folders_.data, kPreferencesFileName)),
      settings_(folders_.data), notes_(folders_.data, platform), secondTicker_(platform.clock) {}

Program::~Program() {
    // The long-lived windows go before the notes they show; the calendar window owns the
    // alarm time dialog.
    trayMenu_.reset();
    delete optionsWindow_.data();
    delete aboutWindow_.data();
    ticker_.reset(); // it shows the time in the calendar window
    calendarWindow_.reset();
    overviewWindow_.reset();
}

void Program::start() {
    // The settings were read when the program was made.
    createCalendarWindow();
    applySettings(*this, PurgeTiming::AfterStartUp);
    QObject::connect(&settings_, &ProgramSettings::changed, &settings_,
                     [this] { applySettings(*this); });
    const auto followWeekPreferences = [this] {
        const Preferences& preferences = settings_.preferences();
        calendarWindow_->setWeekLayout(preferences.firstDayOfWeek, preferences.showWeekNumbers);
    };
    followWeekPreferences();
    QObject::connect(&settings_, &ProgramSettings::preferencesChanged, &settings_,
                     followWeekPreferences);
    calendarWindow_->show();
    // Normally today already; it differs only when midnight passed during the start-up.
    calendarWindow_->goToToday();
    createOverviewWindow();
    notes_.readListSoon();
    showSplash();
    trayMenu_ = std::make_unique<TrayMenu>(*this);
    tellUnreadableSettings();
    if (firstStart_) {
        hintWhereTheWindowGoes();
    }
}

void Program::createCalendarWindow() {
    calendarWindow_ = std::make_unique<CalendarWindow>(notes_, settings_.inEffect(), platform_,
                                                       QString::fromStdString(folders_.resources));
    CalendarWindow* window = calendarWindow_.get();
    QObject::connect(window, &CalendarWindow::aboutRequested, window,
                     [this] { showAboutWindow(); });
    QObject::connect(window, &CalendarWindow::optionsRequested, window,
                     [this] { showOptionsWindow(); });
    QObject::connect(window, &CalendarWindow::allNotesRequested, window,
                     [this] { showOverviewWindow(); });
    ticker_ = std::make_unique<AlarmTicker>(*window, *window, notes_, settings_, platform_,
                                            folders_, nullptr);
    QObject::connect(&secondTicker_, &SecondTicker::ticked, ticker_.get(), &AlarmTicker::tick);
    QObject::connect(&secondTicker_, &SecondTicker::ticked, &notes_.shownFile(),
                     &ShownNoteFile::check);
    window->dockAndShowToday();
}

void Program::createOverviewWindow() {
    overviewWindow_ = std::make_unique<OverviewWindow>(notes_, platform_);
    OverviewWindow* overview = overviewWindow_.get();
    QObject::connect(overview, &OverviewWindow::goToDateRequested, overview,
                     [this](const Date& day) { calendarWindow_->showDay(day); });
    CalendarWindow* window = calendarWindow_.get();
    overview->setCalendarDay(window->selectedDate());
    QObject::connect(window, &CalendarWindow::dayChanged, overview,
                     &OverviewWindow::setCalendarDay);
    QObject::connect(window, &CalendarWindow::searchRequested, overview, [this, overview] {
        showOverviewWindow();
        overview->focusSearch();
    });
    QObject::connect(window, &CalendarWindow::onThisDayRequested, overview, [this, overview] {
        overview->showOnThisDay();
        showOverviewWindow();
    });
}

void Program::showSplash() {
    // The first tick can only come once the start-up has returned to the event loop, so the
    // splash always lands on top of the calendar window.
    auto* splash = new QTimer(calendarWindow_.get());
    splash->setObjectName(QStringLiteral("splash"));
    QObject::connect(splash, &QTimer::timeout, splash, [this, splash, shown = false]() mutable {
        if (!shown) {
            shown = true;
            showAboutWindow(KeyboardTaken::No);
            splash->setInterval(2000);
            return;
        }
        // Closed also when the user opened "About" meanwhile: it is the same window.
        if (aboutWindow_) {
            aboutWindow_->close();
        }
        splash->deleteLater();
    });
    splash->start(1);
}

void Program::tellUnreadableSettings() {
    // Told once the window is up; a missing file or one that does not parse stays silent.
    const auto tell = [this](std::string_view file, const std::optional<QString>& why) {
        if (why) {
            platform_.messageBox.show(
                QObject::tr("The settings file %1 could not be read (%2), so the standard "
                            "settings are used.")
                    .arg(QString::fromStdString(std::string(file)), *why),
                MessageStyle::Warning);
        }
    };
    tell(kSettingsFileName, settings_.whyUnreadable());
    tell(kPreferencesFileName, settings_.whyPreferencesUnreadable());
}

void Program::hintWhereTheWindowGoes() {
    // Once the window has slid away, the user is left with a strip at the edge and may not know
    // what it is. Said once: the state key makes the next start no first one.
    CalendarWindow* window = calendarWindow_.get();
    QObject::connect(
        window, &CalendarWindow::slidAway, window,
        [this] {
            if (platform_.tray.isAvailable() && platform_.tray.isShown()) {
                platform_.tray.showMessage(
                    QObject::tr("Almanor waits at the right edge of the screen: touch the edge or "
                                "double-click this icon to bring it back."));
            } else {
                platform_.messageBox.notify(QObject::tr("Almanor waits at the right edge of the "
                                                        "screen: touch the edge to bring it back."),
                                            MessageStyle::Plain);
            }
            storePreferenceValues(folders_.data, {{kFirstStartHintKey, "true"}});
        },
        Qt::SingleShotConnection);
}

OptionsWindow* Program::optionsWindow() const {
    return optionsWindow_.data();
}

AboutWindow* Program::aboutWindow() const {
    return aboutWindow_.data();
}

void Program::showOptionsWindow() {
    if (optionsWindow_.isNull()) {
        optionsWindow_ =
            new OptionsWindow(settings_, platform_, folders_.resources); // deleted on close
        OptionsWindow* window = optionsWindow_.data();
        QObject::connect(window, &OptionsWindow::aboutRequested, window,
                         [this] { showAboutWindow(); });
        window->setApplyQuestion(
            [this](const Settings& next) { return purgeApproved(*this, next); });
        QObject::connect(window, &OptionsWindow::helpRequested, window,
                         [this] { calendarWindow_->help(); });
    }
    optionsWindow_->show();
    optionsWindow_->raise();
    optionsWindow_->activateWindow();
}

void Program::showAboutWindow(KeyboardTaken keyboard) {
    if (aboutWindow_.isNull()) {
        aboutWindow_ = new AboutWindow(
            platform_.browser, QString::fromStdString(folders_.data)); // deletes itself when closed
    }
    if (keyboard == KeyboardTaken::No) {
        // As the splash, it leaves the keyboard where it is: a window manager that gives each
        // new window the focus would otherwise let it take keys meant for the calendar
        // window, a close by the window manager included.
        aboutWindow_->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    aboutWindow_->show();
    aboutWindow_->raise();
}

void Program::showOverviewWindow() {
    notes_.prepareToShowList();
    overviewWindow_->show();
    overviewWindow_->raise();
    overviewWindow_->activateWindow();
}

void Program::carryOut(Command request) {
    CalendarWindow& window = *calendarWindow_;
    switch (request) {
    case Command::Start:
    case Command::Show:
        window.comeForward();
        break;
    case Command::Hide:
        window.startSlideAway(); // as the close command does
        break;
    case Command::Toggle:
        window.showAgain();
        if (window.isParked()) {
            window.startSlideOut();
        } else {
            window.startSlideAway();
        }
        break;
    case Command::Today:
        window.comeForward();
        window.goToToday();
        break;
    case Command::Help:
    case Command::Version:
        break;
    }
}

} // namespace almanor
