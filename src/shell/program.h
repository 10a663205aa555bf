#pragma once

#include "common/data_folder.h"
#include "notes/note_book.h"
#include "platform/platform.h"
#include "platform/second_ticker.h"
#include "settings/program_settings.h"
#include "shell/command_line.h"
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
class TrayMenu;

// The composition root: it holds the settings, the notes and the platform services, creates
// the windows at the start, owns them, and connects the windows' requests to each other once. A
// test makes a fresh one with fake platform services and a temporary folder.
class Program {
public:
    // The notes and settings live in `folders.data`, the sounds and help in
    // `folders.resources`.
    Program(Platform& platform, Folders folders);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The start-up sequence, in its order.
    void start();

    Platform& platform() { return platform_; }
    ProgramSettings& settings() { return settings_; }
    NoteBook& notes() { return notes_; }
    // The program's one timer while nothing happens.
    SecondTicker& secondTicker() { return secondTicker_; }
    // The calendar window's clock, alarm and chime, there once the program started.
    AlarmTicker& ticker() { return *ticker_; }
    const Folders& folders() const { return folders_; }

    // The calendar window and the overview window are there from the start to the end; the
    // options and about windows while they are open (they are destroyed when closed). Each is
    // null while it is not there.
    CalendarWindow* calendarWindow() { return calendarWindow_.get(); }
    OverviewWindow* overviewWindow() { return overviewWindow_.get(); }
    OptionsWindow* optionsWindow() const;
    AboutWindow* aboutWindow() const;
    // Shown not modal, in front, created first when needed.
    void showOptionsWindow();
    enum class KeyboardTaken { Yes, No };
    void showAboutWindow(KeyboardTaken keyboard = KeyboardTaken::Yes);
    void showOverviewWindow();
    // A request from the command line (of this start or of a later one) or the tray icon.
    void carryOut(Command request);

private:
    void createCalendarWindow();
    void createOverviewWindow();
    void showSplash();
    void tellUnreadableSettings();
    void hintWhereTheWindowGoes();

    Platform& platform_;
    Folders folders_;
    // Neither settings file was there: the user has not seen this program before.
    bool firstStart_;
    ProgramSettings settings_;
    NoteBook notes_;
    SecondTicker secondTicker_;
    std::unique_ptr<CalendarWindow> calendarWindow_;
    std::unique_ptr<AlarmTicker> ticker_;
    std::unique_ptr<OverviewWindow> overviewWindow_;
    QPointer<OptionsWindow> optionsWindow_;
    QPointer<AboutWindow> aboutWindow_;
    std::unique_ptr<TrayMenu> trayMenu_;
    FocusReturn focusReturn_{*this};
};

} // namespace almanor
