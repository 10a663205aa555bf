#include "platform/qt_services.h"

#include <QApplication>
#include <QMessageBox>

namespace almanor {

namespace {

QMessageBox::Icon iconFor(MessageStyle style) {
    return style == MessageStyle::Warning ? QMessageBox::Warning : QMessageBox::NoIcon;
}

} // namespace

QtMessageBox::~QtMessageBox() {
    delete notice_.data();
}

Answer QtMessageBox::show(const QString& text, MessageStyle style, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(iconFor(style));
    const bool asks = style == MessageStyle::OkCancel || style == MessageStyle::DeleteOkCancel;
    box.setStandardButtons(asks ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    if (asks) {
        box.setEscapeButton(QMessageBox::Cancel);
    }
    box.setDefaultButton(style == MessageStyle::DeleteOkCancel ? QMessageBox::Cancel
                                                               : QMessageBox::Ok);
    // The planner's window may be kept above all others; the question must not hide behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void QtMessageBox::notify(const QString& text, MessageStyle style) {
    if (text.isEmpty()) {
        delete notice_.data();
        return;
    }
    if (notice_.isNull()) {
        // No owner: a window that owns it would be raised and activated along with it.
        notice_ = new QMessageBox;
        notice_->setAttribute(Qt::WA_DeleteOnClose);
        notice_->setAttribute(Qt::WA_ShowWithoutActivating);
        notice_->setWindowModality(Qt::NonModal);
        notice_->setWindowFlag(Qt::WindowStaysOnTopHint);
        notice_->setWindowTitle(appTitle());
        notice_->setStandardButtons(QMessageBox::Ok);
    }
    notice_->setIcon(iconFor(style));
    notice_->setText(text);
    notice_->show();
}

} // namespace almanor
