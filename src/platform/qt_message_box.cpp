#include "platform/qt_services.h"

#include <QApplication>
#include <QMessageBox>

namespace almanor {

int QtMessageBox::show(const QString& text, int style, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon((style & msg::Exclamation) == msg::Exclamation ? QMessageBox::Warning
                                                               : QMessageBox::NoIcon);
    if ((style & msg::OkCancel) != 0) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    // The planner's window may be kept above all others; the question must not hide behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Ok ? msg::Ok : msg::Cancel;
}

} // namespace almanor
