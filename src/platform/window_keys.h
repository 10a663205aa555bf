#pragma once

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace almanor {

// Escape closes a window as its close box does: nothing it holds and was not applied counts.
inline void closeOnEscape(QWidget& window) {
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), &window), &QShortcut::activated,
                     &window, &QWidget::close);
}

} // namespace almanor
