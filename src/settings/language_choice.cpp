#include "settings/language_choice.h"

#include <optional>

namespace almanor {

namespace {

std::string_view languageCode(std::string_view localeName) {
    return localeName.substr(0, localeName.find_first_of("_.@"));
}

// "de_AT.UTF-8@euro" -> German; a language the program has no texts for -> nothing.
std::optional<Language> languageOfLocaleName(std::string_view name) {
    const std::string_view code = languageCode(name);
    if (code == "en" || code == "C" || code == "POSIX") {
        return Language::English;
    }
    if (code == "de") {
        return Language::German;
    }
    if (code == "fr") {
        return Language::French;
    }
    return std::nullopt;
}

} // namespace

Language languageToSpeak(Language choice, const MessageLocale& locale) {
    if (choice != Language::System) {
        return choice;
    }
    const std::string_view name = !locale.all.empty()        ? locale.all
                                  : !locale.messages.empty() ? locale.messages
                                                             : locale.lang;
    // In the plain C locale gettext does not look at LANGUAGE at all.
    if (name.empty() || languageCode(name) == "C" || languageCode(name) == "POSIX") {
        return Language::English;
    }
    if (locale.language.empty()) {
        return languageOfLocaleName(name).value_or(Language::English);
    }
    for (std::string_view wanted = locale.language; !wanted.empty();) {
        const std::size_t colon = wanted.find(':');
        if (const std::optional<Language> found = languageOfLocaleName(wanted.substr(0, colon))) {
            return *found;
        }
        wanted = colon == std::string_view::npos ? std::string_view() : wanted.substr(colon + 1);
    }
    return Language::English;
}

} // namespace almanor
