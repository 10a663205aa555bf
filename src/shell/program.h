#pragma once

#include "notes/note_catalog.h"
#include "notes/note_list.h"
#include "notes/note_store.h"
#include "platform/platform.h"
#include "settings/settings.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <string>

namespace almanor {

class AboutWindow;
class CalendarWindow;
class OptionsWindow;
class OverviewWindow;
class StartWindow;
class TimeDialog;

// The program's shared state and shared procedures: the settings, the quit question, the
// scope of delete and view, the armed alarm, the note list, and the windows, each created the
// first time something asks for it. Every window gets this object by reference; a test makes
// a fresh one with fake platform services and a temporary folder.
class Program {
public:
    // `folder` is the application folder as the system reports it, with or without a
    // trailing separator.
    Program(Platform& platform, std::string folder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Platform& platform() { return platform_; }

    // The application folder with exactly one trailing separator, derived afresh at each use.
    std::string appFolder() const;
    QString appFilePath(const QString& name) const;

    // Module-wide values.
    Settings settings;
    QString quitPrompt;
    bool allNotesScope = false;
    std::optional<std::string> armedAlarm;
    int msgAnswer = 0;

    // Windows. The start window, the calendar window and the overview window live until the
    // program ends; the options and about windows are destroyed when closed and made anew.
    StartWindow& startWindow();
    CalendarWindow& calendarWindow();
    bool hasCalendarWindow() const;
    OverviewWindow& overviewWindow();
    bool hasOverviewWindow() const;
    OptionsWindow& optionsWindow();
    bool hasOptionsWindow() const;
    AboutWindow& aboutWindow();
    bool hasAboutWindow() const;
    TimeDialog& timeDialog();
    bool hasTimeDialog() const;
    // Show a window not modal, creating it first when needed.
    void showOptionsWindow();
    void showAboutWindow();
    // Opens the alarm time dialog with the calendar window's alarm text in its entry.
    void openTimeDialog();

    // Settings.
    void loadSettings();
    // Writes options.cfg; on failure tells the user and returns false.
    bool writeSettings();
    void applySettings();

    // Notes of the calendar window's selected day, and the list of all notes.
    NoteStore noteStore() const;
    void saveNote();
    void loadNote();
    void refreshNoteList();
    void showNoteList();
    void markNoteDays();
    // The marking step of markNoteDays alone, for a caller that has just rebuilt the list.
    void markDaysFromList();
    void clearDayMarks();
    const NoteList& noteList() const { return noteList_; }
    NoteList& noteList() { return noteList_; }

    // Plays a wave file to its end; a bare file name is looked up in the application folder.
    void playWave(const QString& file);

    // The immediate end of the program (tray "Exit", Quit answered with OK).
    void endProgram();

private:
    Platform& platform_;
    std::string folder_;
    NoteCatalog catalog_;
    NoteList noteList_;
    std::unique_ptr<StartWindow> startWindow_;
    std::unique_ptr<CalendarWindow> calendarWindow_;
    std::unique_ptr<OverviewWindow> overviewWindow_;
    std::unique_ptr<TimeDialog> timeDialog_;
    QPointer<OptionsWindow> optionsWindow_;
    QPointer<AboutWindow> aboutWindow_;
};

} // namespace almanor
