#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace almanor {

// A setting that may hold a Boolean, a number or a text, whatever the settings file put
// there. Only a Boolean true switches a feature on: a bare 1 read from a hand-edited file is
// held as the number 1 and counts as off, and it is written back as it was read.
using SettingValue = std::variant<bool, double, std::string>;

bool isOn(const SettingValue& value);
// The value as a number: a number as is, a text that holds a decimal number; else nothing.
std::optional<double> numericValue(const SettingValue& value);
// The value as text: a text as is, a number in its shortest decimal form, a Boolean as
// "True"/"False".
std::string textValue(const SettingValue& value);

struct Settings {
    std::int16_t deleteDays = 30;
    SettingValue udel = false;
    SettingValue utop = true;
    SettingValue uslide = true;
    SettingValue slideSpeed = std::string("300");
    SettingValue umouse = true;
    SettingValue ualarm = true;
    SettingValue uchime = true;
    SettingValue utask = true;
    bool uwarn = true;
    SettingValue alarmSound = std::string("alarm.wav");
    SettingValue chimeSound = std::string("chime.wav");

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace almanor
