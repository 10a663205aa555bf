#pragma once

#include <QWidget>

namespace almanor {

class Program;

// The alarm time dialog.
class TimeDialog final : public QWidget {
    Q_OBJECT

public:
    explicit TimeDialog(Program& program);

    // Shows the dialog, not modal, with the alarm field's text in its entry.
    void open(const QString& alarmText);

private:
    Program& program_;
};

} // namespace almanor
