#include <gtest/gtest.h>

#include "model/language.h"

using oltrave::Language;
using oltrave::LocaleEnvironment;

namespace {

constexpr Language En = Language::English;
constexpr Language Zh = Language::Chinese;

struct EnvironmentCase {
    LocaleEnvironment environment;
    Language expected;
};

} // namespace

TEST(Language, FromTheEnvironmentAsGettextReadsIt) {
    const EnvironmentCase cases[] = {
        {{"", "", "", ""}, En},
        {{"", "", "", "zh_CN.UTF-8"}, Zh},
        {{"", "", "", "zh_SG.UTF-8"}, Zh},
        {{"", "", "", "zh_TW.UTF-8"}, En}, // traditional characters: no translation
        {{"", "", "", "de_DE.UTF-8"}, En},
        {{"", "", "zh_CN.UTF-8", "en_US.UTF-8"}, Zh},
        {{"", "en_US.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8"}, En},
        {{"", "zh_CN.UTF-8", "en_US.UTF-8", ""}, Zh},
        // LANGUAGE comes first, its first entry with a translation winning ...
        {{"zh_CN", "", "", "en_US.UTF-8"}, Zh},
        {{"fr:zh_CN:en", "", "", "de_DE.UTF-8"}, Zh},
        {{"fr:en:zh_CN", "", "", "zh_CN.UTF-8"}, En},
        {{"fr:de", "", "", "zh_CN.UTF-8"}, Zh},
        {{":zh", "", "", "de_DE.UTF-8"}, Zh},
        // ... but not under the C locale, set or by default.
        {{"zh_CN", "C", "", "zh_CN.UTF-8"}, En},
        {{"zh_CN", "", "", ""}, En},
        {{"zh_CN", "", "POSIX", ""}, En},
    };
    for (const auto& c : cases) {
        const auto& e = c.environment;
        EXPECT_EQ(oltrave::languageFromEnvironment(e), c.expected)
            << "LANGUAGE=" << e.language << " LC_ALL=" << e.lcAll << " LC_MESSAGES=" << e.lcMessages
            << " LANG=" << e.lang;
    }
}

TEST(Language, FromALocaleName) {
    const std::pair<const char*, std::optional<Language>> cases[] = {
        {"en", En},      {"en_GB.UTF-8", En},  {"C", En},     {"POSIX", En},
        {"C.UTF-8", En}, {"zh", Zh},           {"zh_CN", Zh}, {"zh_CN.GB18030", Zh},
        {"zh-Hans", Zh}, {"zh_CN@pinyin", Zh}, {"zh_HK", {}}, {"zh-Hant-TW", {}},
        {"zhx", {}},     {"fr_FR", {}},        {"", {}},      {"english", {}},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(oltrave::languageFromLocaleName(name), expected) << name;
}

TEST(Language, CodesReadBack) {
    for (Language language : {En, Zh})
        EXPECT_EQ(oltrave::languageFromLocaleName(oltrave::languageCode(language)), language);
}
