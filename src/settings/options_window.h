#pragma once

#include "settings/settings.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace almanor {

class Program;

// Edits the program's settings. Every click changes the setting at once, so the running
// program follows it; Apply writes the file and applies what needs an action. Each opening
// reads the file again, so changes of an earlier visit that were never applied are gone.
// Closing the window destroys it.
class OptionsWindow final : public QWidget {
    Q_OBJECT

public:
    explicit OptionsWindow(Program& program);

    QLabel& heading() { return *heading_; } // Label1
    // Calendar Window Properties (Frame1).
    QCheckBox& topBox() { return *utop_; }
    QListWidget& speedList() { return *speedList_; } // List1
    QCheckBox& slideBox() { return *uslide_; }
    QCheckBox& mouseBox() { return *umouse_; }
    // General Properties (Frame2).
    QCheckBox& alarmBox() { return *ualarm_; }
    QPushButton& alarmSoundButton() { return *alarmSoundButton_; } // Command2
    QPushButton& alarmPlayButton() { return *alarmPlayButton_; }   // Command6
    QCheckBox& chimeBox() { return *uchime_; }
    QPushButton& chimeSoundButton() { return *chimeSoundButton_; } // Command1
    QPushButton& chimePlayButton() { return *chimePlayButton_; }   // Command7
    QCheckBox& taskBox() { return *utask_; }
    QCheckBox& warnBox() { return *uwarn_; }
    QCheckBox& deleteBox() { return *udel_; }
    QLineEdit& daysField() { return *daysField_; }       // Text2
    QPushButton& applyButton() { return *applyButton_; } // Command5
    QPushButton& aboutButton() { return *aboutButton_; } // Command3
    QPushButton& helpButton() { return *helpButton_; }   // Command8

private:
    void buildControls();
    void formLoad();

    // What a click on each control does; the set-up runs the same handlers.
    void storeFlag(const QCheckBox& box, SettingValue& setting);
    void utopClick();
    void uslideClick();
    void umouseClick();
    void ualarmClick();
    void uchimeClick();
    void utaskClick();
    void uwarnClick();
    void udelClick();
    void speedChosen();
    void daysChanged();
    void chooseSound(SettingValue& setting);
    void apply();
    void changed();

    Program& program_;
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
