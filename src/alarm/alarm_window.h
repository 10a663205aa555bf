#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace almanor {

// What the alarm window tells: its title, the heading above the note, and the note.
struct AlarmMessage {
    QString title;
    QString heading;
    QString note;
    bool offersSnooze = true;
};

// The window an alarm is told in. It stays until the user answers it and never takes the
// keyboard when it comes up, so that typing meant for another program cannot answer it unseen.
class AlarmWindow final : public QWidget {
    Q_OBJECT

public:
    AlarmWindow();

    // Shows `message` beside the left edge of `beside` (at the right edge of `screen` while that
    // window is parked beyond it), with `snoozeMinutes` chosen for the snooze.
    void tell(const AlarmMessage& message, int snoozeMinutes, const QWidget& beside,
              const QRect& screen);

signals:
    void snoozed(int minutes);
    void dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void placeBeside(const QWidget& beside, const QRect& screen);

    QLabel* heading_;
    QPlainTextEdit* note_;
    QComboBox* snoozeMinutes_;
    QPushButton* snooze_;
};

} // namespace almanor
