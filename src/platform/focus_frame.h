#pragma once

class QApplication;

namespace almanor {

// From now on, the control that has the keyboard shows a clear frame around it, drawn the same
// in every window: the desktop style's own mark is faint on some controls (radio buttons) and
// missing on others (lists).
void showFocusFrames(QApplication& app);

} // namespace almanor
