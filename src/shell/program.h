#pragma once

#include "notes/note_book.h"
#include "platform/platform.h"
#include "settings/program_settings.h"
#include "shell/focus_return.h"

#include <QPointer>
#include <memory>
#include <string>

namespace almanor {

class AboutWindow;
class AlarmTicker;
class CalendarWindow;
class OptionsWindow;
class OverviewWindow;
class StartWindow;

// The composition root: it holds the settings, the notes and the platform services, creates
// each window the first time something asks for it, owns it, and connects the windows'
// requests to each other once. A test makes a fresh one with fake platform services and a
// temporary folder.
class Program {
public:
    // `folder` is the application folder as the system reports it, with or without a
    // trailing separator.
    Program(Platform& platform, std::string folder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Platform& platform() { return platform_; }
    ProgramSettings& settings() { return settings_; }
    NoteBook& notes() { return notes_; }
    // The one-second clock, there once the calendar window is.
    AlarmTicker& ticker() { return *ticker_; }
    // The application folder with exactly one trailing separator.
    const std::string& appFolder() const { return appFolder_; }

    // The start window, the calendar window and the overview window live until the program
    // ends; the options and about windows are destroyed when closed and made anew.
    StartWindow& startWindow();
    CalendarWindow& calendarWindow();
    bool hasCalendarWindow() const;
    OverviewWindow& overviewWindow();
    OptionsWindow& optionsWindow();
    bool hasOptionsWindow() const;
    AboutWindow& aboutWindow();
    bool hasAboutWindow() const;
    // Shown not modal, in front, created first when needed.
    void showOptionsWindow();
    void showAboutWindow();
    void showOverviewWindow();

private:
    Platform& platform_;
    std::string appFolder_;
    ProgramSettings settings_;
    NoteBook notes_;
    std::unique_ptr<StartWindow> startWindow_;
    std::unique_ptr<CalendarWindow> calendarWindow_;
    std::unique_ptr<AlarmTicker> ticker_;
    std::unique_ptr<OverviewWindow> overviewWindow_;
    QPointer<OptionsWindow> optionsWindow_;
    QPointer<AboutWindow> aboutWindow_;
    FocusReturn focusReturn_{*this};
};

} // namespace almanor
