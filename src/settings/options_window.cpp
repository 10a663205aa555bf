#include "settings/options_window.h"

#include "platform/artwork.h"
#include "platform/sound_files.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace almanor {

namespace {

bool isDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

// The number of days: digits only. Any other typed character erases the one before the
// caret, as a backspace would; keys that type nothing (arrows, Delete) and Tab work as
// usual. Pasting through the context menu can still bring in other text.
class DaysField final : public QLineEdit {
public:
    static constexpr int kDigits = 2;

    // The window's set-up shows the first number, and with it sets the length.
    explicit DaysField(QWidget* parent = nullptr) : QLineEdit(parent) {
        connect(this, &QLineEdit::textEdited, this, [this] {
            if (text().size() <= kDigits) {
                setMaxLength(kDigits);
            }
        });
    }

    // A hand-edited file may hold a longer number: it is shown whole, not cut to two
    // digits (which would change the setting unasked), and typing cannot lengthen it.
    void showNumber(int number) {
        const QString digits = QString::number(number);
        setMaxLength(std::max(kDigits, static_cast<int>(digits.size())));
        setText(digits);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString typed = event->text();
        const bool passesAsIs = typed.isEmpty() || isDigits(typed) ||
                                event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
        if (passesAsIs) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier,
                            QStringLiteral("\b"));
        QLineEdit::keyPressEvent(&backspace);
    }
};

constexpr int kVisibleSpeeds = 5;

QPushButton* playButton(const QString& what) {
    auto* button = new QPushButton(buttonPicture(ButtonPicture::Play), QString());
    button->setToolTip(what);
    button->setAccessibleName(what);
    return button;
}

} // namespace

OptionsWindow::OptionsWindow(Settings& settings, Platform& platform, std::string appFolder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      inEffect_(settings), platform_(platform), appFolder_(std::move(appFolder)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Almanor"));
    setWindowIcon(appIcon());
    buildControls();
    formLoad();
}

void OptionsWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    heading_ = new QLabel(QStringLiteral("OPTIONS"));
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    heading_->setFont(headingFont);
    layout->addWidget(heading_);

    auto* frame1 = new QGroupBox(QStringLiteral("Calendar Window Properties"));
    auto* frame1Layout = new QHBoxLayout(frame1);
    auto* windowBoxes = new QVBoxLayout;
    utop_ = new QCheckBox(QStringLiteral("Always On Top"));
    uslide_ = new QCheckBox(QStringLiteral("Slide Away On Open"));
    umouse_ = new QCheckBox(QStringLiteral("Open By Moving Mouse"));
    windowBoxes->addWidget(utop_);
    windowBoxes->addWidget(uslide_);
    windowBoxes->addWidget(umouse_);
    windowBoxes->addStretch();
    frame1Layout->addLayout(windowBoxes, 1);
    auto* speedColumn = new QVBoxLayout;
    auto* speedLabel = new QLabel(QStringLiteral("Sliding Speed"));
    speedList_ = new QListWidget;
    speedList_->setAccessibleName(speedLabel->text());
    speedLabel->setBuddy(speedList_);
    speedColumn->addWidget(speedLabel);
    speedColumn->addWidget(speedList_);
    frame1Layout->addLayout(speedColumn);
    layout->addWidget(frame1);

    auto* frame2 = new QGroupBox(QStringLiteral("General  Properties"));
    auto* grid = new QGridLayout(frame2);
    ualarm_ = new QCheckBox(QStringLiteral("Enable Alarm"));
    alarmSoundButton_ = new QPushButton(QStringLiteral("Select Alarm Sound"));
    alarmPlayButton_ = playButton(QStringLiteral("Play the alarm sound"));
    uchime_ = new QCheckBox(QStringLiteral("Hourly Chime"));
    chimeSoundButton_ = new QPushButton(QStringLiteral("Select Chime Sound"));
    chimePlayButton_ = playButton(QStringLiteral("Play the chime sound"));
    utask_ = new QCheckBox(QStringLiteral("Show Taskbar Icon"));
    uwarn_ = new QCheckBox(QStringLiteral("Warn About Setting Alarm For Old Date/Time"));
    grid->addWidget(ualarm_, 0, 0);
    grid->addWidget(alarmSoundButton_, 0, 1);
    grid->addWidget(alarmPlayButton_, 0, 2);
    grid->addWidget(uchime_, 1, 0);
    grid->addWidget(chimeSoundButton_, 1, 1);
    grid->addWidget(chimePlayButton_, 1, 2);
    grid->addWidget(utask_, 2, 0, 1, 3);
    grid->addWidget(uwarn_, 3, 0, 1, 3);
    auto* deleteRow = new QHBoxLayout;
    udel_ = new QCheckBox(QStringLiteral("Delete Notes More Than"));
    auto* days = new DaysField;
    daysField_ = days;
    daysField_->setAccessibleName(QStringLiteral("Days"));
    daysField_->setAlignment(Qt::AlignRight);
    daysField_->setFixedWidth(daysField_->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                              16);
    auto* daysOld = new QLabel(QStringLiteral("Days Old"));
    deleteRow->addWidget(udel_);
    deleteRow->addWidget(daysField_);
    deleteRow->addWidget(daysOld);
    deleteRow->addStretch();
    grid->addLayout(deleteRow, 4, 0, 1, 3);
    layout->addWidget(frame2);

    auto* buttons = new QHBoxLayout;
    aboutButton_ = new QPushButton(QStringLiteral("About"));
    helpButton_ = new QPushButton(QStringLiteral("Help"));
    applyButton_ = new QPushButton(buttonPicture(ButtonPicture::Apply), QStringLiteral("Apply"));
    buttons->addWidget(aboutButton_);
    buttons->addWidget(helpButton_);
    buttons->addStretch();
    buttons->addWidget(applyButton_);
    layout->addLayout(buttons);

    speedList_->setFixedWidth(speedList_->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                              speedList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16);

    for (const FlagBox& flag : flagBoxes()) {
        connect(flag.box, &QCheckBox::clicked, this,
                [this, flag] { storeFlag(*flag.box, settings_.*flag.setting); });
    }
    connect(umouse_, &QCheckBox::clicked, this, &OptionsWindow::umouseClick);
    connect(uwarn_, &QCheckBox::clicked, this, &OptionsWindow::uwarnClick);
    // Selection, not the current row: tabbing into a list with nothing selected moves the
    // current row without anyone choosing a speed.
    connect(speedList_, &QListWidget::itemSelectionChanged, this, &OptionsWindow::speedChosen);
    connect(daysField_, &QLineEdit::textChanged, this, &OptionsWindow::daysChanged);
    connect(alarmSoundButton_, &QPushButton::clicked, this,
            [this] { chooseSound(settings_.alarmSound); });
    connect(chimeSoundButton_, &QPushButton::clicked, this,
            [this] { chooseSound(settings_.chimeSound); });
    connect(alarmPlayButton_, &QPushButton::clicked, this,
            [this] { playSound(settings_.alarmSound); });
    connect(chimePlayButton_, &QPushButton::clicked, this,
            [this] { playSound(settings_.chimeSound); });
    connect(aboutButton_, &QPushButton::clicked, this, &OptionsWindow::aboutRequested);
    connect(helpButton_, &QPushButton::clicked, this, &OptionsWindow::helpRequested);
    connect(applyButton_, &QPushButton::clicked, this, &OptionsWindow::apply);
}

std::array<OptionsWindow::FlagBox, 6> OptionsWindow::flagBoxes() const {
    return {{{utop_, &Settings::utop},
             {uslide_, &Settings::uslide},
             {ualarm_, &Settings::ualarm},
             {uchime_, &Settings::uchime},
             {utask_, &Settings::utask},
             {udel_, &Settings::udel}}};
}

void OptionsWindow::formLoad() {
    settings_ = loadSettingsFile(appFolder_).settings;
    const Settings& settings = settings_;

    // All boxes start checked; a setting that is off unchecks its box, the mouse box through
    // its own click handling, so unchecking "Open By Moving Mouse" has already forced the tray
    // icon on by the time that setting is looked at. Only a Boolean false unchecks: a foreign
    // value such as a bare 1 leaves its box checked.
    const auto isFalse = [](const SettingValue& value) {
        return std::holds_alternative<bool>(value) && !std::get<bool>(value);
    };
    for (QCheckBox* box : {utop_, uslide_, umouse_, ualarm_, uchime_, utask_, uwarn_, udel_}) {
        box->setChecked(true);
    }
    const auto uncheckIfOff = [&](const FlagBox& flag) {
        if (isFalse(settings.*flag.setting)) {
            flag.box->setChecked(false);
        }
    };
    const std::array<FlagBox, 6> flags = flagBoxes();
    uncheckIfOff(flags[0]); // on top
    uncheckIfOff(flags[1]); // slide away
    if (isFalse(settings.umouse)) {
        umouse_->setChecked(false);
        umouseClick();
    }
    for (std::size_t i = 2; i < 5; ++i) { // alarm, chime, tray icon
        uncheckIfOff(flags[i]);
    }
    if (!settings.uwarn) {
        uwarn_->setChecked(false);
    }
    uncheckIfOff(flags[5]); // purge

    static_cast<DaysField*>(daysField_)->showNumber(settings.deleteDays);

    for (int speed = 1; speed <= 10; ++speed) {
        speedList_->addItem(QString::number(speed));
    }
    // "300" is item "3", "1000" item "10"; a speed that is no item selects none and stays.
    const QString speed = QString::fromStdString(textValue(settings.slideSpeed));
    if (speed.size() >= 2) {
        const QList<QListWidgetItem*> matches =
            speedList_->findItems(speed.chopped(2), Qt::MatchExactly);
        if (!matches.isEmpty()) {
            speedList_->setCurrentItem(matches.front());
        }
    }
    // Five speeds in sight, now that there are rows to measure.
    speedList_->setFixedHeight(kVisibleSpeeds * speedList_->sizeHintForRow(0) +
                               2 * speedList_->frameWidth());

    applyButton_->setEnabled(false);
}

void OptionsWindow::changed() {
    applyButton_->setEnabled(true);
}

void OptionsWindow::storeFlag(const QCheckBox& box, SettingValue& setting) {
    switch (box.checkState()) {
    case Qt::Checked:
        setting = true;
        break;
    case Qt::Unchecked:
        setting = false;
        break;
    case Qt::PartiallyChecked:
        break;
    }
    changed();
}

void OptionsWindow::umouseClick() {
    Settings& settings = settings_;
    switch (umouse_->checkState()) {
    case Qt::Checked:
        settings.umouse = true;
        utask_->setEnabled(true);
        utask_->setChecked(true);
        storeFlag(*utask_, settings.utask);
        break;
    case Qt::Unchecked:
        // Without the mouse opener the tray icon is the way back to a parked window, so it
        // is forced on whatever its box shows.
        settings.umouse = false;
        utask_->setEnabled(false);
        settings.utask = true;
        break;
    case Qt::PartiallyChecked:
        break;
    }
    changed();
}

void OptionsWindow::uwarnClick() {
    switch (uwarn_->checkState()) {
    case Qt::Checked:
        settings_.uwarn = true;
        break;
    case Qt::Unchecked:
        settings_.uwarn = false;
        break;
    case Qt::PartiallyChecked:
        break;
    }
    changed();
}

void OptionsWindow::speedChosen() {
    const QList<QListWidgetItem*> selected = speedList_->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    changed();
    settings_.slideSpeed = selected.front()->text().toStdString() + "00";
}

void OptionsWindow::daysChanged() {
    changed();
    const QString text = daysField_->text();
    if (!isDigits(text)) {
        return; // emptied, or pasted text that is no number: the last number stays
    }
    bool ok = false;
    const int days = text.toInt(&ok);
    if (ok && days <= std::numeric_limits<std::int16_t>::max()) {
        settings_.deleteDays = static_cast<std::int16_t>(days);
    }
}

void OptionsWindow::chooseSound(SettingValue& setting) {
    const std::optional<QString> chosen = platform_.fileDialog.openExistingFile(
        this, QStringLiteral("Open Wav"), QStringLiteral("Audio Wav"), QStringLiteral("*.wav"));
    if (!chosen) {
        return;
    }
    setting = QDir::toNativeSeparators(*chosen).toStdString();
    changed();
}

void OptionsWindow::playSound(const SettingValue& sound) {
    // The sound as it is in memory, a chosen but not yet applied one included.
    playWave(platform_.sound, QString::fromStdString(appFolder_),
             QString::fromStdString(textValue(sound)));
}

void OptionsWindow::apply() {
    // What is written and purged by is the number the field shows, never an older one that
    // an emptied field left behind.
    if (!isDigits(daysField_->text())) {
        if (isOn(settings_.udel)) {
            platform_.messageBox.show(
                QStringLiteral("Enter how many days of notes to keep before applying "
                               "\"Delete Notes More Than\"."),
                msg::Exclamation);
            daysField_->setFocus();
            return;
        }
        static_cast<DaysField*>(daysField_)->showNumber(settings_.deleteDays);
    }
    const FileResult written = writeSettingsFile(appFolder_, settings_);
    if (!written) {
        platform_.messageBox.show(
            QStringLiteral("Couldn't create file options.cfg!\nSettings were not saved!\n") +
                QString::fromStdString(written.error),
            msg::OkOnly);
        return;
    }
    inEffect_ = settings_;
    applyButton_->setEnabled(false);
    emit applied();
}

} // namespace almanor
