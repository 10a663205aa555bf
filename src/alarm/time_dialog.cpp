#include "alarm/time_dialog.h"

#include "alarm/alarm_rules.h"
#include "alarm/qt_date_time.h"
#include "alarm/time_of_day.h"
#include "common/twips.h"
#include "platform/artwork.h"
#include "platform/twips_rect.h"
#include "platform/window_keys.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace almanor {

namespace {

constexpr float kClientWidthTwips = 3345;
constexpr float kClientHeightTwips = 2550;
constexpr float kExamplesLeftTwips = 1440;
constexpr float kExampleTopsTwips[] = {420, 765, 1110, 1440, 1785, 2130};

QFont headingFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

// The widths were laid out for Arial. Where a wider face stands in for it (DejaVu Sans on many
// Linux desktops), a slightly smaller size keeps every word of the label in view.
void shrinkToFit(QLabel* label) {
    QFont font = label->font();
    while (label->sizeHint().width() > label->width() && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label->setFont(font);
    }
}

} // namespace

TimeDialog::TimeDialog(QWidget* owner, const Settings& settings, Platform& platform,
                       std::function<Date()> shownDay)
    // Owned by the calendar window so that it stays in front of it, also when that window is
    // kept on top of all others.
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      settings_(settings), platform_(platform), shownDay_(std::move(shownDay)) {
    setWindowTitle(tr("Alarm Time"));
    setWindowIcon(appIcon());
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    // Escape leaves like the close box, whichever control has the keyboard: hidden, nothing set.
    closeOnEscape(*this);
    buildControls();
}

void TimeDialog::buildControls() {
    auto* picture = new QLabel(this);
    picture->setGeometry(twipsRect(225, 30, 870, 885));
    picture->setAlignment(Qt::AlignCenter);
    const int side = buttonPictureSide(ButtonPicture::Alarm);
    picture->setPixmap(
        buttonPicture(ButtonPicture::Alarm).pixmap(QSize(side, side), devicePixelRatioF()));

    auto* prompt = new QLabel(tr("Enter A Time"), this);
    prompt->setGeometry(twipsRect(30, 945, 1365, 240));
    prompt->setFont(headingFont());
    shrinkToFit(prompt);

    entry_ = new QLineEdit(this);
    entry_->setGeometry(twipsRect(30, 1245, 1275, 300));
    entry_->setAccessibleName(tr("Alarm time"));
    prompt->setBuddy(entry_);

    okButton_ = new QPushButton(tr("Ok"), this);
    okButton_->setObjectName(QStringLiteral("ok"));
    okButton_->setGeometry(twipsRect(30, 1665, 1275, 360));
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);

    clearButton_ = new QPushButton(tr("Clear"), this);
    clearButton_->setObjectName(QStringLiteral("clear"));
    clearButton_->setGeometry(twipsRect(30, 2145, 1275, 360));
    clearButton_->setAutoDefault(true);

    auto* separator = new QFrame(this); // between the entry and the examples
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    const int lineX = twipsToPixels(1365);
    separator->setGeometry(lineX - 1, twipsToPixels(15), 3,
                           twipsToPixels(2505) - twipsToPixels(15));

    auto* heading = new QLabel(tr("Example:"), this);
    heading->setGeometry(
        twipsRect(kExamplesLeftTwips, -30, kClientWidthTwips - kExamplesLeftTwips, 300));
    heading->setFont(headingFont());
    shrinkToFit(heading);

    // The examples are the parser's own table, so the dialog never promises a
    // reading the parser does not give.
    QFont exampleFont(QStringLiteral("Arial"));
    exampleFont.setPointSizeF(8);
    for (std::size_t i = 0; i < kAlarmEntryExamples.size(); ++i) {
        const std::string_view text = kAlarmEntryExamples[i];
        auto* example =
            new QLabel(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), this);
        example->setObjectName(QStringLiteral("example%1").arg(i));
        example->setFont(exampleFont);
        example->setGeometry(twipsRect(kExamplesLeftTwips, kExampleTopsTwips[i],
                                       kClientWidthTwips - kExamplesLeftTwips, 255));
        shrinkToFit(example);
    }

    // The entry comes first in the tab order, then Ok, then Clear: the order they are made in.
    connect(entry_, &QLineEdit::returnPressed, this, &TimeDialog::confirm);
    connect(okButton_, &QPushButton::clicked, this, &TimeDialog::confirm);
    connect(clearButton_, &QPushButton::clicked, this, &TimeDialog::clearEntry);
}

void TimeDialog::open(const QString& alarmText) {
    entry_->setText(alarmText);
    entry_->selectAll();
    show();
    raise();
    activateWindow();
    entry_->setFocus();
}

void TimeDialog::confirm() {
    const QString typed = entry_->text();
    if (typed.isEmpty()) {
        hide();
        emit timeChosen(QString());
        return;
    }

    MessageBoxService& messages = platform_.messageBox;
    const std::optional<TimeOfDay> time = parseAlarmEntry(typed.toStdString());
    if (!time) {
        messages.show(tr("'%1' Isn't A Valid Time!").arg(typed), MessageStyle::Warning,
                      tr("Oops!"));
        entry_->clear();
        entry_->setFocus();
        return;
    }

    const Date day = shownDay_();
    emit timeChosen(QString::fromStdString(formatTimeOfDay(*time)));
    if (settings_.warnOfPastAlarms) {
        const LocalDateTime now = localDateTimeOf(platform_.clock.now());
        if (alarmLiesInPast(day, now.date, *time, now.time)) {
            // Advice only: the alarm stays as written.
            messages.show(tr("This date and time is in the past!\r\n"
                             "You can set the alarm time for an expired time\r\n"
                             "however the alarm will never be triggered."),
                          MessageStyle::Plain, tr("Oops!"));
        }
    }
    hide();
}

void TimeDialog::clearEntry() {
    entry_->clear();
    entry_->setFocus();
}

} // namespace almanor
