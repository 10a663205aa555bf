#include "settings/options_window.h"

#include "platform/artwork.h"
#include "platform/file_messages.h"
#include "platform/sound_files.h"
#include "platform/window_keys.h"
#include "settings/autostart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace almanor {

namespace {

bool isDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

} // namespace

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

namespace {

constexpr int kVisibleSpeeds = 5;
// The width, in average characters, of the chosen sound file's name beside its buttons.
constexpr int kSoundNameChars = 12;

QPushButton* playButton(const QString& what) {
    auto* button = new QPushButton(buttonPicture(ButtonPicture::Play), QString());
    button->setToolTip(what);
    button->setAccessibleName(what);
    return button;
}

} // namespace

OptionsWindow::OptionsWindow(ProgramSettings& settings, Platform& platform, std::string soundFolder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      inEffect_(settings), settings_(settings.inEffect()), preferences_(settings.preferences()),
      platform_(platform), soundFolder_(std::move(soundFolder)) {
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(*this); // as Cancel: what was not applied is dropped with the window
    setWindowTitle(tr("Almanor"));
    setWindowIcon(appIcon());
    // Without the mouse opener the tray icon is the way back to a parked window, so it is on
    // whatever its box shows.
    if (!settings_.openOnMouseOver) {
        settings_.trayIcon = true;
    }
    buildControls();
    trayIconBox_->setEnabled(settings_.openOnMouseOver);
    daysField_->showNumber(settings_.daysToKeep);
    showSpeed();
    applyButton_->setEnabled(false);
}

QCheckBox* OptionsWindow::flagBox(const QString& text, const char* name, bool& flag) {
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    box->setChecked(flag);
    connect(box, &QCheckBox::clicked, this, [this, &flag](bool checked) {
        flag = checked;
        changed();
    });
    return box;
}

QCheckBox* OptionsWindow::autostartBox() {
    // Acts at once, outside Apply: it shows the entry on disk, which others change too.
    const Autostart autostart(Autostart::userFolder(), QCoreApplication::applicationFilePath());
    auto* box = new QCheckBox(tr("Start Almanor when I log in"));
    box->setObjectName(QStringLiteral("autostart"));
    box->setChecked(autostart.isOn());
    connect(box, &QCheckBox::clicked, this, [this, box, autostart](bool on) {
        if (const std::optional<QString> failed = autostart.set(on)) {
            box->setChecked(autostart.isOn());
            platform_.messageBox.show(
                tr("Starting at login could not be changed: %1.").arg(*failed),
                MessageStyle::Warning);
        }
    });
    return box;
}

void OptionsWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* heading = new QLabel(tr("OPTIONS"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    heading->setFont(headingFont);
    layout->addWidget(heading);

    auto* windowGroup = new QGroupBox(tr("Calendar Window Properties"));
    auto* windowGroupLayout = new QHBoxLayout(windowGroup);
    auto* windowBoxes = new QVBoxLayout;
    windowBoxes->addWidget(flagBox(tr("Always On Top"), "alwaysOnTop", settings_.alwaysOnTop));
    windowBoxes->addWidget(flagBox(tr("Slide Away On Open"), "slideAway", settings_.slideAway));
    QCheckBox* mouseOpenerBox =
        flagBox(tr("Open By Moving Mouse"), "openOnMouseOver", settings_.openOnMouseOver);
    windowBoxes->addWidget(mouseOpenerBox);
#ifndef Q_OS_WIN
    windowBoxes->addWidget(autostartBox());
#endif
    windowBoxes->addStretch();
    windowGroupLayout->addLayout(windowBoxes, 1);
    auto* speedColumn = new QVBoxLayout;
    auto* speedLabel = new QLabel(tr("Sliding Speed"));
    speedList_ = new QListWidget;
    speedList_->setObjectName(QStringLiteral("slideSpeed"));
    speedList_->setAccessibleName(speedLabel->text());
    speedLabel->setBuddy(speedList_);
    speedColumn->addWidget(speedLabel);
    speedColumn->addWidget(speedList_);
    windowGroupLayout->addLayout(speedColumn);
    layout->addWidget(windowGroup);

    auto* generalGroup = new QGroupBox(tr("General  Properties"));
    auto* grid = new QGridLayout(generalGroup);
    // A row's sound: a button that chooses it, one that plays it and the chosen file's name.
    const auto addSoundButtons = [this, grid](int row, const QString& choose, const char* name,
                                              const QString& play, std::string Settings::*sound) {
        auto* chooser = new QPushButton(choose);
        chooser->setObjectName(QLatin1String(name));
        grid->addWidget(chooser, row, 1);
        QPushButton* player = playButton(play);
        grid->addWidget(player, row, 2);
        auto* fileName = new QLabel;
        fileName->setObjectName(QLatin1String(name) + QLatin1String("File"));
        fileName->setFixedWidth(fileName->fontMetrics().averageCharWidth() * kSoundNameChars);
        grid->addWidget(fileName, row, 3);
        showSoundName(*fileName, settings_.*sound);
        connect(chooser, &QPushButton::clicked, this, [this, sound, fileName] {
            if (chooseSound(settings_.*sound)) {
                showSoundName(*fileName, settings_.*sound);
            }
        });
        connect(player, &QPushButton::clicked, this,
                [this, sound] { playSound(settings_.*sound); });
    };
    grid->addWidget(flagBox(tr("Enable Alarm"), "alarmEnabled", settings_.alarmEnabled), 0, 0);
    addSoundButtons(0, tr("Select Alarm Sound"), "alarmSound", tr("Play the alarm sound"),
                    &Settings::alarmSound);
    grid->addWidget(flagBox(tr("Hourly Chime"), "hourlyChime", settings_.hourlyChime), 1, 0);
    addSoundButtons(1, tr("Select Chime Sound"), "chimeSound", tr("Play the chime sound"),
                    &Settings::chimeSound);
    trayIconBox_ = flagBox(tr("Show Taskbar Icon"), "trayIcon", settings_.trayIcon);
    grid->addWidget(trayIconBox_, 2, 0, 1, 4);
    grid->addWidget(flagBox(tr("Warn About Setting Alarm For Old Date/Time"), "warnOfPastAlarms",
                            settings_.warnOfPastAlarms),
                    3, 0, 1, 4);
    auto* deleteRow = new QHBoxLayout;
    QCheckBox* deleteBox =
        flagBox(tr("Delete Notes More Than"), "deleteOldNotes", settings_.deleteOldNotes);
    daysField_ = new DaysField;
    daysField_->setObjectName(QStringLiteral("daysToKeep"));
    daysField_->setAccessibleName(tr("Days"));
    daysField_->setAlignment(Qt::AlignRight);
    daysField_->setFixedWidth(daysField_->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                              16);
    auto* daysOld = new QLabel(tr("Days Old"));
    deleteRow->addWidget(deleteBox);
    deleteRow->addWidget(daysField_);
    deleteRow->addWidget(daysOld);
    deleteRow->addStretch();
    grid->addLayout(deleteRow, 4, 0, 1, 4);
    grid->addWidget(flagBox(tr("Also notify through the desktop"), "notifyThroughDesktop",
                            preferences_.notifyThroughDesktop),
                    5, 0, 1, 4);
    auto* remindRow = new QHBoxLayout;
    auto* remindBox = new QCheckBox(tr("Remind me"));
    remindBox->setObjectName(QStringLiteral("remind"));
    remindBox->setChecked(preferences_.remindMinutesBefore > 0);
    auto* remindMinutes = new QSpinBox;
    remindMinutes->setObjectName(QStringLiteral("remindMinutesBefore"));
    remindMinutes->setRange(kShortestReminder, kLongestReminder);
    remindMinutes->setValue(remindBox->isChecked() ? preferences_.remindMinutesBefore : 15);
    remindMinutes->setEnabled(remindBox->isChecked());
    // A screen reader may name the spin box or the field inside it, which takes the focus.
    remindMinutes->setAccessibleName(tr("Minutes"));
    remindMinutes->findChild<QLineEdit*>()->setAccessibleName(remindMinutes->accessibleName());
    const auto remindChanged = [this, remindBox, remindMinutes] {
        remindMinutes->setEnabled(remindBox->isChecked());
        // A screen reader may name the spin box or the field inside it, which takes the focus.
        remindMinutes->setAccessibleName(tr("Minutes"));
        remindMinutes->findChild<QLineEdit*>()->setAccessibleName(remindMinutes->accessibleName());
        preferences_.remindMinutesBefore = remindBox->isChecked() ? remindMinutes->value() : 0;
        changed();
    };
    connect(remindBox, &QCheckBox::clicked, this, remindChanged);
    connect(remindMinutes, &QSpinBox::valueChanged, this, remindChanged);
    remindRow->addWidget(remindBox);
    remindRow->addWidget(remindMinutes);
    remindRow->addWidget(new QLabel(tr("minutes before")));
    remindRow->addStretch();
    grid->addLayout(remindRow, 6, 0, 1, 4);
    layout->addWidget(generalGroup);
    layout->addWidget(languageGroup());

    layout->addWidget(weekGroup());

    auto* buttons = new QHBoxLayout;
    auto* aboutButton = new QPushButton(tr("About"));
    aboutButton->setObjectName(QStringLiteral("about"));
    auto* helpButton = new QPushButton(tr("Help"));
    helpButton->setObjectName(QStringLiteral("help"));
    applyButton_ = new QPushButton(buttonPicture(ButtonPicture::Apply), tr("Apply"));
    applyButton_->setObjectName(QStringLiteral("apply"));
    auto* closeButton = new QPushButton(tr("Close"));
    closeButton->setObjectName(QStringLiteral("close"));
    buttons->addWidget(aboutButton);
    buttons->addWidget(helpButton);
    buttons->addStretch();
    // Apply keeps its place in the corner.
    buttons->addWidget(closeButton);
    buttons->addWidget(applyButton_);
    layout->addLayout(buttons);

    speedList_->setFixedWidth(speedList_->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                              speedList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16);

    connect(mouseOpenerBox, &QCheckBox::clicked, this, &OptionsWindow::mouseOpenerClicked);
    // Selection, not the current row: tabbing into a list with nothing selected moves the
    // current row without anyone choosing a speed.
    connect(speedList_, &QListWidget::itemSelectionChanged, this, &OptionsWindow::speedChosen);
    connect(daysField_, &QLineEdit::textChanged, this, &OptionsWindow::daysChanged);
    connect(aboutButton, &QPushButton::clicked, this, &OptionsWindow::aboutRequested);
    connect(helpButton, &QPushButton::clicked, this, &OptionsWindow::helpRequested);
    connect(applyButton_, &QPushButton::clicked, this, &OptionsWindow::apply);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close); // as Escape
}

QGroupBox* OptionsWindow::weekGroup() {
    auto* group = new QGroupBox(tr("Week"));
    auto* row = new QHBoxLayout(group);
    auto* firstDayLabel = new QLabel(tr("First day of the week"));
    auto* firstDay = new QComboBox;
    firstDay->setObjectName(QStringLiteral("firstDayOfWeek"));
    // In the order of FirstDayOfWeek.
    firstDay->addItems({tr("System"), tr("Monday"), tr("Sunday"), tr("Saturday")});
    firstDay->setCurrentIndex(static_cast<int>(preferences_.firstDayOfWeek));
    firstDay->setAccessibleName(firstDayLabel->text());
    firstDayLabel->setBuddy(firstDay);
    row->addWidget(firstDayLabel);
    row->addWidget(firstDay);
    row->addStretch();
    row->addWidget(
        flagBox(tr("Show week numbers"), "showWeekNumbers", preferences_.showWeekNumbers));
    connect(firstDay, &QComboBox::activated, this, [this](int index) {
        preferences_.firstDayOfWeek = static_cast<FirstDayOfWeek>(index);
        changed();
    });
    return group;
}

QGroupBox* OptionsWindow::languageGroup() {
    auto* group = new QGroupBox(tr("Language"));
    auto* row = new QHBoxLayout(group);
    auto* choices = new QComboBox;
    choices->setObjectName(QStringLiteral("language"));
    choices->setAccessibleName(group->title());
    // In the order of Language; each language is named in its own words.
    choices->addItems({tr("System"), QStringLiteral("English"), QStringLiteral("Deutsch"),
                       QStringLiteral("Français")});
    choices->setCurrentIndex(static_cast<int>(preferences_.language));
    connect(choices, &QComboBox::activated, this, [this](int index) {
        preferences_.language = static_cast<Language>(index);
        changed();
    });
    row->addWidget(choices);
    row->addWidget(new QLabel(tr("(after a restart)")));
    row->addStretch();
    return group;
}

void OptionsWindow::showSpeed() {
    for (int speed = 1; speed <= 10; ++speed) {
        speedList_->addItem(QString::number(speed));
    }
    // Item "3" is 300 twips a tick, "10" 1000; a speed that is no item selects none and stays.
    const double hundreds = settings_.slideSpeed / 100;
    if (hundreds >= 1 && hundreds <= 10 && hundreds == std::floor(hundreds)) {
        speedList_->setCurrentRow(static_cast<int>(hundreds) - 1);
    }
    // Five speeds in sight, now that there are rows to measure.
    speedList_->setFixedHeight(kVisibleSpeeds * speedList_->sizeHintForRow(0) +
                               2 * speedList_->frameWidth());
}

void OptionsWindow::changed() {
    applyButton_->setEnabled(true);
}

void OptionsWindow::mouseOpenerClicked(bool on) {
    // Without the mouse opener the tray icon is the way back to a parked window, so it is
    // forced on whatever its box shows.
    settings_.trayIcon = true;
    trayIconBox_->setEnabled(on);
    if (on) {
        trayIconBox_->setChecked(true);
    }
}

void OptionsWindow::speedChosen() {
    const QList<QListWidgetItem*> selected = speedList_->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    changed();
    settings_.slideSpeed = selected.front()->text().toInt() * 100;
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
        settings_.daysToKeep = days;
    }
}

bool OptionsWindow::chooseSound(std::string& sound) {
    // The current sound's folder, where other sounds are likely to be; else the program's.
    const QString programSounds = QString::fromStdString(soundFolder_);
    const QDir soundFolder =
        QFileInfo(soundPath(programSounds, QString::fromStdString(sound))).dir();
    const QDir startFolder =
        !sound.empty() && soundFolder.exists() ? soundFolder : QDir(programSounds);
    const std::optional<QString> chosen = platform_.fileDialog.openExistingFile(
        this, tr("Open Wav"), tr("Audio Wav"), QStringLiteral("*.wav"),
        QDir::toNativeSeparators(startFolder.absolutePath()));
    if (!chosen) {
        return false;
    }
    sound = QDir::toNativeSeparators(*chosen).toStdString();
    changed();
    return true;
}

void OptionsWindow::showSoundName(QLabel& label, const std::string& sound) {
    const QString path = QString::fromStdString(sound);
    label.setText(
        label.fontMetrics().elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle, label.width()));
    label.setToolTip(path);
}

void OptionsWindow::playSound(const std::string& sound) {
    // The sound as it is in memory, a chosen but not yet applied one included.
    const QString soundFolder = QString::fromStdString(soundFolder_);
    const QString file = QString::fromStdString(sound);
    playWave(platform_.sound, soundFolder, file, this, [this, soundFolder, file](SoundEnd end) {
        if (end == SoundEnd::Unplayable) {
            platform_.messageBox.show(whyUnplayable(soundFolder, file), MessageStyle::Warning);
        }
    });
}

void OptionsWindow::apply() {
    // What is written and purged by is the number the field shows, never an older one that
    // an emptied field left behind.
    if (!isDigits(daysField_->text())) {
        if (settings_.deleteOldNotes) {
            platform_.messageBox.show(tr("Enter how many days of notes to keep before applying "
                                         "\"Delete Notes More Than\"."),
                                      MessageStyle::Warning);
            daysField_->setFocus();
            return;
        }
        daysField_->showNumber(settings_.daysToKeep);
    }
    if (applyQuestion_ && !applyQuestion_(settings_)) {
        return;
    }
    applyButton_->setEnabled(false);
    const FileResult written = inEffect_.apply(settings_);
    if (!written) {
        applyButton_->setEnabled(true);
        platform_.messageBox.show(tr("Couldn't create file %1!\nSettings were not saved!\n%2")
                                      .arg(QString::fromStdString(std::string(kSettingsFileName)),
                                           fileFailureText(written)),
                                  MessageStyle::Plain);
        return;
    }
    // The alarm window keeps the snooze chosen last; this window does not show it, and must not
    // put back the one it had when it opened.
    preferences_.snoozeMinutes = inEffect_.preferences().snoozeMinutes;
    if (preferences_ == inEffect_.preferences()) {
        return;
    }
    if (const std::optional<QString> failed = inEffect_.applyPreferences(preferences_)) {
        applyButton_->setEnabled(true);
        platform_.messageBox.show(tr("Settings were not saved: %1.").arg(*failed),
                                  MessageStyle::Warning);
    }
}

} // namespace almanor
