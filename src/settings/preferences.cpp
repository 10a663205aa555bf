#include "settings/preferences.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

namespace almanor {

namespace {

template <typename Choice, std::size_t N>
using Names = std::array<std::pair<Choice, std::string_view>, N>;

constexpr Names<Language, 4> kLanguageNames{{{Language::System, "system"},
                                             {Language::English, "en"},
                                             {Language::German, "de"},
                                             {Language::French, "fr"}}};
constexpr Names<FirstDayOfWeek, 4> kFirstDayNames{{{FirstDayOfWeek::System, "system"},
                                                   {FirstDayOfWeek::Monday, "monday"},
                                                   {FirstDayOfWeek::Sunday, "sunday"},
                                                   {FirstDayOfWeek::Saturday, "saturday"}}};

std::optional<std::string> valueOf(const PreferenceValues& values, const std::string& key) {
    const auto found = values.find(key);
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second;
}

template <typename Choice, std::size_t N>
void readChoice(const PreferenceValues& values, const std::string& key,
                const Names<Choice, N>& names, Choice& choice) {
    const std::optional<std::string> text = valueOf(values, key);
    for (const auto& [value, name] : names) {
        if (text == name) {
            choice = value;
        }
    }
}

template <typename Choice, std::size_t N>
std::string nameOf(const Names<Choice, N>& names, Choice choice) {
    for (const auto& [value, name] : names) {
        if (value == choice) {
            return std::string(name);
        }
    }
    return std::string(names.front().second);
}

void readFlag(const PreferenceValues& values, const std::string& key, bool& flag) {
    const std::optional<std::string> text = valueOf(values, key);
    if (text == "true") {
        flag = true;
    } else if (text == "false") {
        flag = false;
    }
}

std::optional<int> numberOf(const PreferenceValues& values, const std::string& key) {
    const std::optional<std::string> text = valueOf(values, key);
    if (!text) {
        return std::nullopt;
    }
    int number = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, number);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return number;
}

} // namespace

Preferences preferencesFromValues(const PreferenceValues& values) {
    Preferences preferences;
    readChoice(values, "language", kLanguageNames, preferences.language);
    readChoice(values, "firstDayOfWeek", kFirstDayNames, preferences.firstDayOfWeek);
    readFlag(values, "showWeekNumbers", preferences.showWeekNumbers);
    readFlag(values, "notifyThroughDesktop", preferences.notifyThroughDesktop);
    if (const std::optional<int> minutes = numberOf(values, "remindMinutesBefore");
        minutes &&
        (*minutes == 0 || (*minutes >= kShortestReminder && *minutes <= kLongestReminder))) {
        preferences.remindMinutesBefore = *minutes;
    }
    if (const std::optional<int> minutes = numberOf(values, "snoozeMinutes");
        minutes && std::ranges::find(kSnoozeChoices, *minutes) != std::end(kSnoozeChoices)) {
        preferences.snoozeMinutes = *minutes;
    }
    return preferences;
}

PreferenceValues valuesOfPreferences(const Preferences& preferences) {
    const auto flag = [](bool on) { return std::string(on ? "true" : "false"); };
    return {
        {"language", nameOf(kLanguageNames, preferences.language)},
        {"firstDayOfWeek", nameOf(kFirstDayNames, preferences.firstDayOfWeek)},
        {"showWeekNumbers", flag(preferences.showWeekNumbers)},
        {"notifyThroughDesktop", flag(preferences.notifyThroughDesktop)},
        {"remindMinutesBefore", std::to_string(preferences.remindMinutesBefore)},
        {"snoozeMinutes", std::to_string(preferences.snoozeMinutes)},
    };
}

} // namespace almanor
