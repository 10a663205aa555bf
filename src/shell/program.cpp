#include "shell/program.h"

#include "about/about_window.h"
#include "alarm/time_dialog.h"
#include "calendar/calendar_window.h"
#include "common/app_folder.h"
#include "overview/overview_window.h"
#include "settings/options_window.h"
#include "shell/start_window.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace almanor {

Program::Program(Platform& platform, std::string folder)
    : platform_(platform), folder_(std::move(folder)), catalog_(appFolder()) {}

Program::~Program() {
    // Windows refer to the program while they are torn down; the long-lived ones go first.
    delete optionsWindow_.data();
    delete aboutWindow_.data();
    timeDialog_.reset();
    calendarWindow_.reset();
    overviewWindow_.reset();
    startWindow_.reset();
}

std::string Program::appFolder() const {
    return withTrailingSeparator(folder_);
}

QString Program::appFilePath(const QString& name) const {
    return QString::fromStdString(appFolder()) + name;
}

StartWindow& Program::startWindow() {
    if (!startWindow_) {
        startWindow_ = std::make_unique<StartWindow>(*this);
    }
    return *startWindow_;
}

CalendarWindow& Program::calendarWindow() {
    if (!calendarWindow_) {
        // The window's own set-up runs in its constructor and already calls back into the
        // program (loading today's note), so it must be reachable before it is complete.
        calendarWindow_ = std::make_unique<CalendarWindow>(*this);
        calendarWindow_->formLoad();
    }
    return *calendarWindow_;
}

bool Program::hasCalendarWindow() const {
    return calendarWindow_ != nullptr;
}

OverviewWindow& Program::overviewWindow() {
    if (!overviewWindow_) {
        overviewWindow_ = std::make_unique<OverviewWindow>(*this);
    }
    return *overviewWindow_;
}

bool Program::hasOverviewWindow() const {
    return overviewWindow_ != nullptr;
}

OptionsWindow& Program::optionsWindow() {
    if (optionsWindow_.isNull()) {
        optionsWindow_ = new OptionsWindow(*this); // deletes itself when closed
    }
    return *optionsWindow_;
}

bool Program::hasOptionsWindow() const {
    return !optionsWindow_.isNull();
}

AboutWindow& Program::aboutWindow() {
    if (aboutWindow_.isNull()) {
        aboutWindow_ = new AboutWindow(*this); // deletes itself when closed
    }
    return *aboutWindow_;
}

bool Program::hasAboutWindow() const {
    return !aboutWindow_.isNull();
}

TimeDialog& Program::timeDialog() {
    if (!timeDialog_) {
        timeDialog_ = std::make_unique<TimeDialog>(*this);
    }
    return *timeDialog_;
}

bool Program::hasTimeDialog() const {
    return timeDialog_ != nullptr;
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

void Program::openTimeDialog() {
    timeDialog().open(calendarWindow().alarmField().text());
}

void Program::playWave(const QString& file) {
    if (file.isEmpty()) {
        return;
    }
    // The default sounds are bare names: they live beside the program, whatever the
    // working folder happens to be.
    const QString path = QFileInfo(file).isAbsolute() ? file : appFilePath(file);
    platform_.sound.playToEnd(QDir::toNativeSeparators(path));
}

void Program::endProgram() {
    platform_.programEnd.endNow();
}

} // namespace almanor
