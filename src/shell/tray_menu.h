#pragma once

#include <QMenu>

namespace almanor {

class Program;

// The tray icon's menu, and what the icon's clicks do to the calendar window.
class TrayMenu final : public QMenu {
    Q_OBJECT

public:
    explicit TrayMenu(Program& program);
    // Withdraws the tray icon, for an end that is not Exit or Quit (the session ending).
    ~TrayMenu() override;

private:
    void leftPress();
    void doubleClick();

    Program& program_;
};

} // namespace almanor
