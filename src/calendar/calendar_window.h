#pragma once

#include "alarm/alarm_ticker.h"
#include "calendar/slide.h"
#include "common/atomic_file.h"
#include "common/date.h"
#include "notes/conflict_copies.h"
#include "platform/platform.h"
#include "settings/preferences.h"
#include "settings/settings.h"

#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace almanor {

class Hotspot;
class MonthCalendar;
class NoteBook;
class NoteEdit;
class TimeDialog;

// The planner's main window: a frameless face against the right screen edge with the month
// calendar, the selected day's note and alarm, the clock, and the commands as hotspots over
// the artwork. It keeps no data of its own: every edit is saved at once through the note book,
// and every change of the selected date reloads the list, the marks and the note.
class CalendarWindow final : public QWidget, private SlideWindow, public AlarmDisplay {
    Q_OBJECT

public:
    static constexpr int kFirstYear = 1000;
    static constexpr int kLastYear = 9999;

    // Help is "almanor.hlp" in `appFolder`; the settings are read when they are used.
    CalendarWindow(NoteBook& notes, const Settings& settings, Platform& platform,
                   QString appFolder);
    ~CalendarWindow() override;

    // Puts the window against the screen edge (and keeps it there when the screens change) and
    // selects today. Run once its signals are connected.
    void dockAndShowToday();

    // The selected day, its year taken from the calendar's year as the note's file name is.
    Date selectedDate() const;
    // Selects a day, and so shows its note.
    void showDay(const Date& day) override;

    // Commands, as the hotspots, option buttons and shortcuts run them.
    void backAMonth();
    void forwardAMonth();
    void goToToday();
    // The nearest day before the selected one (`later`: after it) that has a note, as far as
    // the list of all notes has been read; nothing when there is none.
    void goToNoteDay(bool later);
    void setAllNotesScope(bool all);
    void deleteNotes();
    // Brings back the notes of the last Clear, or the overview's Delete.
    void undoDelete();
    // Merges the selected day's other versions into its note.
    void keepBothVersions();
    void view();
    void help();
    void quit();

    // Sliding between open (flush with the right edge) and parked (a strip at the edge).
    void startSlideAway();
    void startSlideOut();
    bool isParked() const;
    bool isSlidingAway() const { return slideAwayTimer_ != nullptr && slideAwayTimer_->isActive(); }
    bool isSlidingOut() const { return slideOutTimer_ != nullptr && slideOutTimer_->isActive(); }
    float leftTwips() const;
    void setLeftTwips(float left);

    // The first day of each week as chosen (System: the locale's) and the week numbers.
    void setWeekLayout(FirstDayOfWeek firstDay, bool weekNumbers);

    // Stacking order, without moving, hiding or flashing the window.
    void setStaysOnTop(bool onTop);
    bool staysOnTop() const;
    void bringToFront();
    // Shows the window again after the window manager hid or minimised it.
    void showAgain();
    // On screen and in front, sliding out from wherever it is (another start of the program
    // asks for it).
    void comeForward();

    bool noteIsLocked() const { return lockReason_.has_value(); }

signals:
    void aboutRequested();
    void optionsRequested();
    // View with "All".
    void allNotesRequested();
    void searchRequested();
    void onThisDayRequested();
    // The window has slid away to the edge and stopped there.
    void slidAway();
    // The selected day, at the start and at every change.
    void dayChanged(const Date& day);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // SlideWindow
    float screenWidth() const override;
    float windowWidth() const override;
    float left() const override;
    void setLeft(float left) override;

    // AlarmDisplay
    void showTime(const QString& time) override;
    void setToday(const Date& today) override;

    // Against the primary screen's right edge, open or parked, centred in its height.
    void dockToScreen(bool parked);
    // Not fully open at the edge the window was last docked to: parked, or on its way.
    bool isParkedAtTheOldEdge() const;
    void slideAwayTick();
    void slideOutTick();
    void edgeStripTouched();

    void buildControls();
    void addShortcuts();
    void onDateChange();
    // What the calendar's tip of a marked day says of its note.
    QString noteGlanceTip(const Date& day) const;
    void onNoteChanged();
    void onAlarmFieldChanged();
    void openTimeDialog();
    bool alarmFieldOpensDialog(const QEvent& event);
    float slideStep() const;
    Date today() const;

    // The shown month's marks and the selected day's note, read again from the files.
    void reloadDay();
    // The day's note file into the fields, and the fields into the file.
    void loadNote();
    void saveNote();
    // The shown month's marks from the list of all notes.
    void markDaysFromList();
    // The Keep both command, while the shown day has another version of its note.
    void offerKeepBoth();
    // Filling the fields from a note file: nothing is saved while they are filled.
    void showLoadedNote(const QString& text, const QString& alarm);
    // A note file that exists but cannot be read: empty, read-only fields that say why, and
    // nothing in them is ever saved over that file.
    void showUnreadableNote(const QString& reason);
    void reportSaveResult(const FileResult& result);
    // Another program changed the shown day's note file.
    void showNoteChangedOutside(const QString& message);
    void notesRemoved(const std::vector<Date>& days);
    // Whether the note box is to take Ctrl+Z itself: for its own typing, not for a delete.
    bool noteBoxUndoes(const QEvent& event) const;

    NoteBook& notes_;
    const Settings& settings_;
    Platform& platform_;
    QString appFolder_;
    MonthCalendar* calendar_ = nullptr;
    NoteEdit* noteBox_ = nullptr;
    QLineEdit* alarmField_ = nullptr;
    QLabel* clockLabel_ = nullptr;
    QRadioButton* allOption_ = nullptr;
    QRadioButton* thisNoteOption_ = nullptr;
    Hotspot* edgeStrip_ = nullptr;
    TimeDialog* timeDialog_ = nullptr;
    QTimer* slideAwayTimer_ = nullptr;
    QTimer* slideOutTimer_ = nullptr;
    QTimer* saveRetry_ = nullptr;
    QTimer* deletedNotice_ = nullptr;
    QPushButton* keepBoth_ = nullptr;
    // The shown month's other versions of its notes, as its marks were last read.
    std::vector<ConflictCopy> monthCopies_;
    bool allNotesScope_ = false;
    float leftTwips_ = 0;
    float dockedRight_ = 0;
    bool fillingFields_ = false;
    bool saveFailureShown_ = false;
    QString lastAlarmText_;
    std::optional<QString> lockReason_;
};

} // namespace almanor
