#pragma once

#include <QWidget>

class QListView;
class QPushButton;

namespace almanor {

class NoteListModel;
class Program;

// The notes overview window: every note, newest first, with commands to go to a note's day,
// copy the list as text and delete the selected notes. It shows the program's note list
// without owning it, and it lives until the program ends: closing it only hides it, because
// the list is rebuilt and read through it while it is out of sight.
class OverviewWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr float kClientWidthTwips = 6360;
    static constexpr float kClientHeightTwips = 2715;

    explicit OverviewWindow(Program& program);
    ~OverviewWindow() override;

    // The program's note list was rebuilt.
    void noteListReset();

    QListView& list() { return *list_; }
    QPushButton& copyButton() { return *copyButton_; }
    QPushButton& goToButton() { return *goToButton_; }
    QPushButton& closeButton() { return *closeButton_; }
    QPushButton& deleteButton() { return *deleteButton_; }

    // The commands, as the buttons and keys run them.
    void closeWindow();
    void goToCurrentNote();
    void copyListToClipboard();
    void deleteSelectedNotes();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();

    Program& program_;
    NoteListModel* model_ = nullptr;
    QListView* list_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* goToButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
};

} // namespace almanor
