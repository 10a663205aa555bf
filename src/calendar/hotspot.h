#pragma once

#include <QWidget>

namespace almanor {

// A transparent click area laid over a word or symbol of the window's face. It shows a
// pointing hand, carries an accessible name so screen readers can announce the command, and
// can instead react to the mouse merely moving over it (the edge strip of a parked window).
class Hotspot final : public QWidget {
    Q_OBJECT

public:
    Hotspot(const QString& accessibleName, QWidget* parent);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace almanor
