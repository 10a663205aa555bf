#pragma once

#include "calendar/slide.h"
#include "common/date.h"

#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace almanor {

class AlarmTicker;
class Hotspot;
class MonthCalendar;
class NoteEdit;
class Program;

// The planner's main window: a frameless face against the right screen edge with the month
// calendar, the selected day's note and alarm, the clock, and the commands as hotspots over
// the artwork. It keeps no data of its own: every edit is saved at once by the program's note
// procedures, and every change of the selected date reloads the list, the marks and the note.
class CalendarWindow final : public QWidget, private SlideWindow {
    Q_OBJECT

public:
    static constexpr float kWidthTwips = 4215;
    static constexpr float kHeightTwips = 4275;
    static constexpr int kFirstYear = 1000;
    static constexpr int kLastYear = 9999;

    explicit CalendarWindow(Program& program);
    ~CalendarWindow() override;

    // The window's set-up: clock, position, today's note and marks. It calls back into the
    // program, so the program runs it once the window is reachable.
    void formLoad();

    MonthCalendar& calendar() { return *calendar_; }
    NoteEdit& noteBox() { return *noteBox_; }
    QLineEdit& alarmField() { return *alarmField_; }
    QLabel& clockLabel() { return *clockLabel_; }
    QRadioButton& allOption() { return *allOption_; }
    QRadioButton& thisNoteOption() { return *thisNoteOption_; }
    AlarmTicker& ticker() { return *ticker_; }

    // The selected day, its year taken from the calendar's year as the note's file name is.
    Date selectedDate() const;

    // Commands, as the hotspots, option buttons and shortcuts run them.
    void backAMonth();
    void forwardAMonth();
    void goToToday();
    void setAllNotesScope(bool all);
    void deleteNotes();
    void view();
    void help();
    void quit();
    void showAbout();
    void showOptions();

    // Sliding between open (flush with the right edge) and parked (a strip at the edge).
    void startSlideAway();
    void startSlideOut();
    bool isParked() const;
    bool isSlidingAway() const { return slideAwayTimer_.isActive(); }
    bool isSlidingOut() const { return slideOutTimer_.isActive(); }
    void slideAwayTick();
    void slideOutTick();
    void edgeStripTouched();
    float leftTwips() const;
    void setLeftTwips(float left);

    // Stacking order, without moving, hiding or flashing the window.
    void setStaysOnTop(bool onTop);
    bool staysOnTop() const;
    void bringToFront();
    // Shows the window again after the window manager hid or minimised it.
    void showAgain();
    // On screen and in front, sliding out from wherever it is (another start of the program
    // asks for it).
    void comeForward();

    // Filling the fields from a note file: nothing is saved while they are filled.
    void showLoadedNote(const QString& text, const QString& alarm);
    // A note file that exists but cannot be read: empty, read-only fields that say why, and
    // nothing in them is ever saved over that file.
    void showUnreadableNote(const QString& reason);
    bool noteIsLocked() const { return lockReason_.has_value(); }
    // What the note procedures report after each save or delete of the day's file.
    void reportSaveResult(bool ok, const QString& error);

    // Alarm field: arms today's alarm from its text.
    void armFromAlarmField();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // SlideWindow
    float screenWidth() const override;
    float windowWidth() const override;
    float left() const override;
    void setLeft(float left) override;

    void buildControls();
    void addShortcuts();
    void onDateChange();
    void onNoteChanged();
    void onAlarmFieldChanged();
    float slideStep() const;

    Program& program_;
    MonthCalendar* calendar_ = nullptr;
    NoteEdit* noteBox_ = nullptr;
    QLineEdit* alarmField_ = nullptr;
    QLabel* clockLabel_ = nullptr;
    QRadioButton* allOption_ = nullptr;
    QRadioButton* thisNoteOption_ = nullptr;
    Hotspot* edgeStrip_ = nullptr;
    AlarmTicker* ticker_ = nullptr;
    QTimer slideAwayTimer_; // Timer1
    QTimer slideOutTimer_;  // Timer3
    float leftTwips_ = 0;
    bool fillingFields_ = false;
    bool saveFailureShown_ = false;
    QString lastAlarmText_;
    std::optional<QString> lockReason_;
};

} // namespace almanor
