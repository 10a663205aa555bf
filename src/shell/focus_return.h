#pragma once

#include <QObject>

namespace almanor {

class Program;

// When one of the program's windows or dialogs closes, the keyboard goes back to the calendar
// window if that is open. Window managers that pass the keyboard of a closing window only to
// windows of its own layer or a lower one (xfwm4) would otherwise leave it on a window of their
// own while the calendar window stays above all others; so the other windows share its layer.
class FocusReturn final : public QObject {
public:
    explicit FocusReturn(Program& program);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Program& program_;
};

} // namespace almanor
