#pragma once

#include "common/date.h"
#include "platform/platform.h"

#include <QWidget>

class QListView;

namespace almanor {

class NoteBook;
class NoteListModel;

// The notes overview window: every note, newest first, with commands to go to a note's day,
// copy the list as text and delete the selected notes. It shows the note book's list and
// follows its changes; closing it only hides it.
class OverviewWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr float kClientWidthTwips = 6360;
    static constexpr float kClientHeightTwips = 2715;

    OverviewWindow(NoteBook& notes, Platform& platform);
    ~OverviewWindow() override;

    // The commands, as the buttons and keys run them.
    void closeWindow();
    void goToCurrentNote();
    void copyListToClipboard();
    void deleteSelectedNotes();

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

    NoteBook& notes_;
    Platform& platform_;
    NoteListModel* model_ = nullptr;
    QListView* list_ = nullptr;
};

} // namespace almanor
