#pragma once

#include "settings/preferences.h"

#include <string_view>

namespace almanor {

// The locale variables that name a language for messages, as the environment holds them
// (empty when unset).
struct MessageLocale {
    std::string_view language; // LANGUAGE: a colon list, most wanted first
    std::string_view all;      // LC_ALL
    std::string_view messages; // LC_MESSAGES
    std::string_view lang;     // LANG
};

// The language the program speaks: the user's choice, or for System the one the locale
// variables ask for, read the way gettext reads them: LC_ALL before LC_MESSAGES before LANG
// decide the locale; unless that is "C" or "POSIX", the first entry of LANGUAGE the program
// has texts for wins. A language without texts, and "C" and "POSIX", mean English.
Language languageToSpeak(Language choice, const MessageLocale& locale);

} // namespace almanor
