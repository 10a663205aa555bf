#pragma once

#include <map>
#include <string>

namespace almanor {

// Settings that options.cfg has no field for. They live in a second file beside it, so that
// options.cfg keeps its one line of twelve fields for every program that reads it.
enum class Language { System, English, German, French };
enum class FirstDayOfWeek { System, Monday, Sunday, Saturday };

struct Preferences {
    Language language = Language::System;
    FirstDayOfWeek firstDayOfWeek = FirstDayOfWeek::System;
    bool showWeekNumbers = false; // ISO 8601 weeks beside the month
    bool notifyThroughDesktop = true;
    // Minutes before each alarm that a quiet reminder comes; 0 for none.
    int remindMinutesBefore = 0;
    int snoozeMinutes = 10; // the last choice of the alarm window's Snooze

    friend bool operator==(const Preferences&, const Preferences&) = default;
};

inline constexpr int kShortestReminder = 5;
inline constexpr int kLongestReminder = 120;
inline constexpr int kSnoozeChoices[] = {5, 10, 15, 30, 60};

// The file's keys and their texts, both ways. A value that is missing or does not fit its
// setting gives that setting's default; keys the program does not know are left to the file.
using PreferenceValues = std::map<std::string, std::string>;
Preferences preferencesFromValues(const PreferenceValues& values);
PreferenceValues valuesOfPreferences(const Preferences& preferences);

} // namespace almanor
