#pragma once

#include <QString>

class QObject;
class QWidget;

// What a user (and the event loop) does to the windows, for the window tests.
namespace almanor::testing {

// A left click in the middle of the child of `window` with this accessible name, as a user
// gives it (hotspots and buttons alike).
void clickOn(QWidget& window, const QString& accessibleName);
// The mouse moving over that child without a button pressed.
void moveOver(QWidget& window, const QString& accessibleName);
// One tick of the running timer of this name among `owner`'s children, as the event loop
// would deliver it: a timer that was never started, or whose connection is lost, fails.
void tick(QObject& owner, const QString& timerName);
// Makes the window the active one, so that its shortcuts and focus work as on a desktop.
void activate(QWidget& window);
} // namespace almanor::testing
