#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace oltrave {

// The languages of the program's words. English is the source: its words are
// the ones written in the code.
enum class Language { English, Chinese };

// The language of the words the model writes. Chosen once at start-up, before
// the first line is made; English until then.
void chooseLanguage(Language language);
Language chosenLanguage();

// "en" or "zh_CN", as the command line and the settings write them.
std::string_view languageCode(Language language);

// A language from a locale name such as "zh_CN.UTF-8", "zh", "en_GB" or "C":
// any Chinese but the traditional variants is Chinese, any English and the C and
// POSIX locales are English; nothing for a language without a translation.
std::optional<Language> languageFromLocaleName(std::string_view name);

// The language the environment asks for, as gettext reads it: the locale of the
// messages is the first set of LC_ALL, LC_MESSAGES and LANG; LANGUAGE, a list
// such as "fr:zh_CN:en", takes precedence unless that locale is C. The first
// entry with a translation wins; English when none has one.
struct LocaleEnvironment {
    std::string_view language;   // LANGUAGE
    std::string_view lcAll;      // LC_ALL
    std::string_view lcMessages; // LC_MESSAGES
    std::string_view lang;       // LANG
};
Language languageFromEnvironment(const LocaleEnvironment& environment);

// The language this process's environment asks for.
Language processLanguage();

// A pair of the English word and its Chinese.
using WordPair = std::pair<std::string_view, std::string_view>;

// english in the chosen language, from a table of pairs; english itself where
// the table has no entry.
inline std::string_view wordIn(std::span<const WordPair> words, std::string_view english) {
    if (chosenLanguage() == Language::Chinese) {
        for (const auto& [source, chinese] : words) {
            if (source == english)
                return chinese;
        }
    }
    return english;
}

} // namespace oltrave
