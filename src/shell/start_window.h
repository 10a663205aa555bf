#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>

class QMenu;

namespace almanor {

class Program;

// The hidden window that runs the start-up sequence, owns the tray icon's menu and drives
// the splash. It is never shown.
class StartWindow final : public QWidget {
    Q_OBJECT

public:
    explicit StartWindow(Program& program);
    // Withdraws the tray icon, for an end that is not Exit or Quit (the session ending).
    ~StartWindow() override;

    // The start-up sequence, in its order.
    void formLoad();

    QMenu& trayMenu() { return *trayMenu_; }

private:
    void buildTrayMenu();
    // Splash: shows the about window at the first tick, closes it two seconds later.
    void splashTick();
    // The tray icon's three events.
    void trayLeftPress();
    void trayDoubleClick();
    void trayRightPress(const QPoint& globalPos);

    Program& program_;
    QTimer* splashTimer_;
    std::int16_t ssplash_ = 0;
    QMenu* trayMenu_ = nullptr;
};

} // namespace almanor
