#pragma once

#include "common/date.h"
#include "notes/conflict_copies.h"
#include "platform/platform.h"

#include <QWidget>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;

namespace almanor {

class NoteBook;
class NoteListModel;

// The notes overview window: every note, newest first, with commands to go to a note's day,
// copy the list as text and delete the selected notes. It shows the note book's list and
// follows its changes; closing it only hides it. A search field narrows the list to the notes
// holding every word typed, and "On this day" to the notes of the calendar's day in any year.
class OverviewWindow final : public QWidget {
    Q_OBJECT

public:
    OverviewWindow(NoteBook& notes, Platform& platform);
    ~OverviewWindow() override;

    // The commands, as the buttons and keys run them.
    void closeWindow();
    void goToCurrentNote();
    void copyListToClipboard();
    void deleteSelectedNotes();
    // Merges the chosen other versions into their days' notes.
    void keepBothVersions();

    // The search field gets the focus, its text selected to be typed over.
    void focusSearch();
    // The calendar's chosen day, which "On this day" follows; today's until it is told one.
    void setCalendarDay(const Date& day);
    void showOnThisDay();

signals:
    // Go to: the calendar is to show this day.
    void goToDateRequested(const Date& day);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildSearchControls();
    // Shows the notes the field and "On this day" ask for.
    void search();
    void showCount();
    // What the search field does with a key rather than type it; false for a key it types.
    bool searchFieldKey(const QKeyEvent& key);
    // The other versions of notes that synchronising tools left, below the list while there
    // are any.
    void showOtherVersions();

    NoteBook& notes_;
    Platform& platform_;
    NoteListModel* model_ = nullptr;
    QListView* list_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QCheckBox* onThisDay_ = nullptr;
    QLabel* count_ = nullptr;
    QListWidget* otherVersions_ = nullptr;
    QPushButton* keepBoth_ = nullptr;
    std::vector<ConflictCopy> copies_;
    std::optional<Date> calendarDay_;
};

} // namespace almanor
