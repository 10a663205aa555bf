#pragma once

#include "platform/platform.h"
#include "settings/settings.h"

#include <QWidget>
#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace almanor {

// Edits a copy of the settings, read from the file at each opening. Nothing the window holds
// is in effect before Apply, which writes the file, makes the copy the program's settings and
// asks for what needs an action. Closing the window destroys it with whatever was not applied.
class OptionsWindow final : public QWidget {
    Q_OBJECT

public:
    // `settings` are the program's, replaced by Apply; options.cfg lives in `appFolder`.
    OptionsWindow(Settings& settings, Platform& platform, std::string appFolder);

    // The settings as the window shows them, in effect only once applied.
    const Settings& settings() const { return settings_; }

    QLabel& heading() { return *heading_; }
    // Calendar Window Properties.
    QCheckBox& topBox() { return *utop_; }
    QListWidget& speedList() { return *speedList_; }
    QCheckBox& slideBox() { return *uslide_; }
    QCheckBox& mouseBox() { return *umouse_; }
    // General Properties.
    QCheckBox& alarmBox() { return *ualarm_; }
    QPushButton& alarmSoundButton() { return *alarmSoundButton_; }
    QPushButton& alarmPlayButton() { return *alarmPlayButton_; }
    QCheckBox& chimeBox() { return *uchime_; }
    QPushButton& chimeSoundButton() { return *chimeSoundButton_; }
    QPushButton& chimePlayButton() { return *chimePlayButton_; }
    QCheckBox& taskBox() { return *utask_; }
    QCheckBox& warnBox() { return *uwarn_; }
    QCheckBox& deleteBox() { return *udel_; }
    QLineEdit& daysField() { return *daysField_; }
    QPushButton& applyButton() { return *applyButton_; }
    QPushButton& aboutButton() { return *aboutButton_; }
    QPushButton& helpButton() { return *helpButton_; }

signals:
    void aboutRequested();
    void helpRequested();
    // The settings were written; on top, sliding, the tray icon and the purge follow them now.
    void applied();

private:
    // A check box whose click stores its state in its setting.
    struct FlagBox {
        QCheckBox* box;
        SettingValue Settings::*setting;
    };

    void buildControls();
    void formLoad();
    std::array<FlagBox, 6> flagBoxes() const;

    // What a click on each control does; the set-up runs the same handlers.
    void storeFlag(const QCheckBox& box, SettingValue& setting);
    void umouseClick();
    void uwarnClick();
    void speedChosen();
    void daysChanged();
    void chooseSound(SettingValue& setting);
    void playSound(const SettingValue& sound);
    void apply();
    void changed();

    Settings& inEffect_;
    Settings settings_;
    Platform& platform_;
    std::string appFolder_;
    QLabel* heading_ = nullptr;
    QCheckBox* utop_ = nullptr;
    QListWidget* speedList_ = nullptr;
    QCheckBox* uslide_ = nullptr;
    QCheckBox* umouse_ = nullptr;
    QCheckBox* ualarm_ = nullptr;
    QPushButton* alarmSoundButton_ = nullptr;
    QPushButton* alarmPlayButton_ = nullptr;
    QCheckBox* uchime_ = nullptr;
    QPushButton* chimeSoundButton_ = nullptr;
    QPushButton* chimePlayButton_ = nullptr;
    QCheckBox* utask_ = nullptr;
    QCheckBox* uwarn_ = nullptr;
    QCheckBox* udel_ = nullptr;
    QLineEdit* daysField_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QPushButton* aboutButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

} // namespace almanor
