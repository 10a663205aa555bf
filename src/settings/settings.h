#pragma once

#include <string>

namespace almanor {

// What the user chose in the options window, as the program uses it.
struct Settings {
    bool deleteOldNotes = false; // purge notes older than daysToKeep at start-up and on Apply
    int daysToKeep = 30;         // 0 to 32767
    bool alwaysOnTop = true;
    bool slideAway = true; // the calendar window slides to the screen edge after opening
    // Twips per tick of either slide; 0 when the file's value is no number (the default step).
    double slideSpeed = 300;
    bool openOnMouseOver = true; // a parked calendar window opens when the mouse touches its edge
    bool alarmEnabled = true;
    bool hourlyChime = true;
    bool trayIcon = true;
    bool warnOfPastAlarms = true; // an alarm set for a date and time already gone
    std::string alarmSound = "alarm.wav";
    std::string chimeSound = "chime.wav";

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace almanor
