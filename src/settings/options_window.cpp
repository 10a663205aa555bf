#include "settings/options_window.h"

#include "platform/artwork.h"
#include "platform/file_messages.h"
#include "platform/sound_files.h"
#include "platform/window_keys.h"

#include <QCheckBox>
#include <QComboBox>
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

QPushButton* playButton(const QString& what) {
    auto* button = new QPushButton(buttonPicture(ButtonPicture::Play), QString());
    button->setToolTip(what);
    button->setAccessibleName(what);
    return button;
}

} // namespace

OptionsWindow::OptionsWindow(ProgramSettings& settings, Platform& platform, std::string appFolder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      inEffect_(settings), settings_(settings.inEffect()), preferences_(settings.preferences()),
      platform_(platform), appFolder_(std::move(appFolder)) {
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

QCheckBox* OptionsWindow::flagBox(const QString& text, const char* name, bool Settings::*setting) {
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    box->setChecked(settings_.*setting);
    connect(box, &QCheckBox::clicked, this, [this, setting](bool checked) {
        settings_.*setting = checked;
        changed();
    });
    return box;
}

QCheckBox* OptionsWindow::preferenceBox(const QString& text, const char* name,
                                        bool Preferences::*setting) {
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    box->setChecked(preferences_.*setting);
    connect(box, &QCheckBox::clicked, this, [this, setting](bool checked) {
        preferences_.*setting = checked;
        changed();
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
    windowBoxes->addWidget(flagBox(tr("Always On Top"), "alwaysOnTop", &Settings::alwaysOnTop));
    windowBoxes->addWidget(flagBox(tr("Slide Away On Open"), "slideAway", &Settings::slideAway));
    QCheckBox* mouseOpenerBox =
        flagBox(tr("Open By Moving Mouse"), "openOnMouseOver", &Settings::openOnMouseOver);
    windowBoxes->addWidget(mouseOpenerBox);
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
    // A row's sound: a button that chooses it and one that plays it.
    const auto addSoundButtons = [this, grid](int row, const QString& choose, const char* name,
                                              const QString& play, std::string Settings::*sound) {
        auto* chooser = new QPushButton(choose);
        chooser->setObjectName(QLatin1String(name));
        grid->addWidget(chooser, row, 1);
        QPushButton* player = playButton(play);
        grid->addWidget(player, row, 2);
        connect(chooser, &QPushButton::clicked, this,
                [this, sound] { chooseSound(settings_.*sound); });
        connect(player, &QPushButton::clicked, this,
                [this, sound] { playSound(settings_.*sound); });
    };
    grid->addWidget(flagBox(tr("Enable Alarm"), "alarmEnabled", &Settings::alarmEnabled), 0, 0);
    addSoundButtons(0, tr("Select Alarm Sound"), "alarmSound", tr("Play the alarm sound"),
                    &Settings::alarmSound);
    grid->addWidget(flagBox(tr("Hourly Chime"), "hourlyChime", &Settings::hourlyChime), 1, 0);
    addSoundButtons(1, tr("Select Chime Sound"), "chimeSound", tr("Play the chime sound"),
                    &Settings::chimeSound);
    trayIconBox_ = flagBox(tr("Show Taskbar Icon"), "trayIcon", &Settings::trayIcon);
    grid->addWidget(trayIconBox_, 2, 0, 1, 3);
    grid->addWidget(flagBox(tr("Warn About Setting Alarm For Old Date/Time"), "warnOfPastAlarms",
                            &Settings::warnOfPastAlarms),
                    3, 0, 1, 3);
    auto* deleteRow = new QHBoxLayout;
    QCheckBox* deleteBox =
        flagBox(tr("Delete Notes More Than"), "deleteOldNotes", &Settings::deleteOldNotes);
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
    grid->addLayout(deleteRow, 4, 0, 1, 3);
    layout->addWidget(generalGroup);
    layout->addWidget(languageGroup());

    auto* buttons = new QHBoxLayout;
    auto* aboutButton = new QPushButton(tr("About"));
    aboutButton->setObjectName(QStringLiteral("about"));
    auto* helpButton = new QPushButton(tr("Help"));
    helpButton->setObjectName(QStringLiteral("help"));
    applyButton_ = new QPushButton(buttonPicture(ButtonPicture::Apply), tr("Apply"));
    applyButton_->setObjectName(QStringLiteral("apply"));
    buttons->addWidget(aboutButton);
    buttons->addWidget(helpButton);
    buttons->addStretch();
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

void OptionsWindow::chooseSound(std::string& sound) {
    const std::optional<QString> chosen = platform_.fileDialog.openExistingFile(
        this, tr("Open Wav"), tr("Audio Wav"), QStringLiteral("*.wav"));
    if (!chosen) {
        return;
    }
    sound = QDir::toNativeSeparators(*chosen).toStdString();
    changed();
}

void OptionsWindow::playSound(const std::string& sound) {
    // The sound as it is in memory, a chosen but not yet applied one included.
    playWave(platform_.sound, QString::fromStdString(appFolder_), QString::fromStdString(sound));
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
    // Disabled before the program follows the settings, as a purge may ask the user.
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
