#pragma once

#include "platform/platform.h"
#include "settings/program_settings.h"

#include <QWidget>
#include <functional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace almanor {

class DaysField;

// Edits a copy of the settings in effect. Nothing the window holds is in effect before Apply,
// which writes the files and only then puts the copy into effect. Closing the window destroys
// it with whatever was not applied.
class OptionsWindow final : public QWidget {
    Q_OBJECT

public:
    // Sounds given by a bare name are played from `soundFolder`.
    OptionsWindow(ProgramSettings& settings, Platform& platform, std::string soundFolder);

    // Asked before Apply writes anything; false leaves everything as it was, Apply included.
    using ApplyQuestion = std::function<bool(const Settings& next)>;
    void setApplyQuestion(ApplyQuestion question) { applyQuestion_ = std::move(question); }

signals:
    void aboutRequested();
    void helpRequested();

private:
    void buildControls();
    // A check box that shows a flag of the window's copy of the settings and stores a click in it.
    QCheckBox* flagBox(const QString& text, const char* name, bool& flag);
    // Whether the desktop starts the program at login.
    QCheckBox* autostartBox();
    QGroupBox* weekGroup();
    // The language of the texts; the program speaks it from its next start on.
    QGroupBox* languageGroup();
    void showSpeed();

    // What a click on each control does.
    void mouseOpenerClicked(bool on);
    void speedChosen();
    void daysChanged();
    // Whether a file was chosen into `sound`.
    bool chooseSound(std::string& sound);
    void showSoundName(QLabel& label, const std::string& sound);
    void playSound(const std::string& sound);
    void apply();
    void changed();

    ProgramSettings& inEffect_;
    Settings settings_;
    Preferences preferences_;
    ApplyQuestion applyQuestion_;
    Platform& platform_;
    std::string soundFolder_;
    QListWidget* speedList_ = nullptr;
    QCheckBox* trayIconBox_ = nullptr;
    DaysField* daysField_ = nullptr;
    QPushButton* applyButton_ = nullptr;
};

} // namespace almanor
