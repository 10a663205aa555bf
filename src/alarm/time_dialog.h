#pragma once

#include "common/date.h"
#include "platform/platform.h"
#include "settings/settings.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;

namespace almanor {

// The alarm time dialog: the user types the alarm time of the day the calendar window shows.
// It is modeless and only hidden between uses. Its Ok hands the normal form to the calendar
// window, whose alarm field then saves the note and arms the alarm.
class TimeDialog final : public QWidget {
    Q_OBJECT

public:
    // `owner` keeps the dialog in front of it; `shownDay` is the day the alarm is for, asked
    // at Ok, since the user may choose another day while the dialog is open.
    TimeDialog(QWidget* owner, const Settings& settings, Platform& platform,
               std::function<Date()> shownDay);

    // Shows the dialog, not modal, in front, with `alarmText` in its entry; whatever was typed
    // before and never confirmed is replaced.
    void open(const QString& alarmText);

signals:
    // Ok with an accepted entry in its normal form, or with an empty entry (no alarm).
    void timeChosen(const QString& time);

private:
    void buildControls();
    // Ok: empty clears the day's alarm, a refused entry is reported and emptied, an accepted
    // one is handed on in its normal form.
    void confirm();
    void clearEntry();

    const Settings& settings_;
    Platform& platform_;
    std::function<Date()> shownDay_;
    QLineEdit* entry_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
};

} // namespace almanor
