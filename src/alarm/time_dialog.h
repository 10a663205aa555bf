#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace almanor {

class Program;

// The alarm time dialog: the user types the alarm time of the day the calendar window shows.
// It is modeless and only hidden between uses. Its Ok writes the normal form into the
// calendar window's alarm field, whose own change handling saves the note and arms the alarm.
class TimeDialog final : public QWidget {
    Q_OBJECT

public:
    explicit TimeDialog(Program& program);

    // Shows the dialog, not modal, in front, with `alarmText` in its entry; whatever was typed
    // before and never confirmed is replaced.
    void open(const QString& alarmText);

    QLineEdit& entry() { return *entry_; }
    QPushButton& okButton() { return *okButton_; }
    QPushButton& clearButton() { return *clearButton_; }

    // Ok: empty clears the day's alarm, a refused entry is reported and emptied, an accepted
    // one goes into the alarm field in its normal form.
    void confirm();
    // Clear: empties the entry only; the alarm changes at the next Ok.
    void clearEntry();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();

    Program& program_;
    QLineEdit* entry_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
};

} // namespace almanor
