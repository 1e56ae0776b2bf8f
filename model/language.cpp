#include "language.h"

#include <cstdlib>

namespace oltrave {

namespace {

Language chosen = Language::English;

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

} // namespace

void chooseLanguage(Language language) {
    chosen = language;
}

Language chosenLanguage() {
    return chosen;
}

std::string_view languageCode(Language language) {
    return language == Language::Chinese ? "zh_CN" : "en";
}

std::optional<Language> languageFromLocaleName(std::string_view name) {
    // The codeset and modifier say nothing about the language.
    name = name.substr(0, name.find_first_of(".@"));
    if (name == "C" || name == "POSIX" || name == "en" || startsWith(name, "en_") ||
        startsWith(name, "en-"))
        return Language::English;
    if (name != "zh" && !startsWith(name, "zh_") && !startsWith(name, "zh-"))
        return std::nullopt;
    // Taiwan, Hong Kong and Macao write traditional characters, which this
    // translation does not have.
    const std::string_view region = name.substr(name.size() > 2 ? 3 : 2);
    if (region == "TW" || region == "HK" || region == "MO" || startsWith(region, "Hant"))
        return std::nullopt;
    return Language::Chinese;
}

Language languageFromEnvironment(const LocaleEnvironment& environment) {
    std::string_view locale = "C";
    for (std::string_view set : {environment.lcAll, environment.lcMessages, environment.lang}) {
        if (!set.empty()) {
            locale = set;
            break;
        }
    }
    if (locale != "C" && locale != "POSIX") {
        std::string_view list = environment.language;
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            if (const auto language = languageFromLocaleName(list.substr(0, colon)))
                return *language;
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
    }
    return languageFromLocaleName(locale).value_or(Language::English);
}

Language processLanguage() {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string_view(value ? value : "");
    };
    return languageFromEnvironment(
        {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")});
}

} // namespace oltrave
