#include "alarm/alarm_window.h"

#include "platform/artwork.h"
#include "settings/preferences.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace almanor {

namespace {

// Room left between the window and the calendar window for the frames the window manager adds.
constexpr int kFrameRoom = 12;

} // namespace

AlarmWindow::AlarmWindow()
    : heading_(new QLabel(this)), note_(new QPlainTextEdit(this)),
      snoozeMinutes_(new QComboBox(this)), snooze_(new QPushButton(tr("Snooze"), this)) {
    // No owner: a window that owns it would be raised and activated along with it. Above the
    // planner's window, which may be kept above all others.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowIcon(appIcon());
    heading_->setObjectName(QStringLiteral("heading"));
    note_->setObjectName(QStringLiteral("note"));
    note_->setReadOnly(true);
    note_->setAccessibleName(tr("Note"));
    snoozeMinutes_->setObjectName(QStringLiteral("snoozeMinutes"));
    snoozeMinutes_->setAccessibleName(tr("Snooze for"));
    for (const int minutes : kSnoozeChoices) {
        snoozeMinutes_->addItem(minutes == 60 ? tr("1 hour") : tr("%1 minutes").arg(minutes),
                                minutes);
    }
    snooze_->setObjectName(QStringLiteral("snooze"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(heading_, 0, 0, 1, 3);
    layout->addWidget(note_, 1, 0, 1, 3);
    layout->addWidget(snooze_, 2, 0);
    layout->addWidget(snoozeMinutes_, 2, 1);
    layout->addWidget(ok, 2, 2);
    // Tab goes as the row reads: the snooze, for how long, and OK.
    setTabOrder(snooze_, snoozeMinutes_);
    setTabOrder(snoozeMinutes_, ok);
    resize(360, 220);

    connect(snooze_, &QPushButton::clicked, this, [this] {
        hide();
        emit snoozed(snoozeMinutes_->currentData().toInt());
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        hide();
        emit dismissed();
    });
}

void AlarmWindow::tell(const AlarmMessage& message, int snoozeMinutes, const QWidget& beside,
                       const QRect& screen) {
    setWindowTitle(message.title);
    heading_->setText(message.heading);
    note_->setPlainText(message.note);
    snooze_->setVisible(message.offersSnooze);
    snoozeMinutes_->setVisible(message.offersSnooze);
    snoozeMinutes_->setCurrentIndex(std::max(0, snoozeMinutes_->findData(snoozeMinutes)));
    placeBeside(beside, screen);
    show();
    raise();
}

void AlarmWindow::closeEvent(QCloseEvent* event) {
    // Closed by the window manager: as good as OK.
    QWidget::closeEvent(event);
    emit dismissed();
}

void AlarmWindow::placeBeside(const QWidget& beside, const QRect& screen) {
    const QRect window = beside.frameGeometry();
    const int right = std::min(window.left(), screen.right() + 1) - kFrameRoom;
    move(
        std::max(screen.left(), right - width()),
        std::clamp(window.top(), screen.top(), std::max(screen.top(), screen.bottom() - height())));
}

} // namespace almanor
