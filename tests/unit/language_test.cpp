#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/familytable.h"
#include "model/form.h"
#include "model/language.h"
#include "model/resultline.h"

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

// The chosen language stays for the rest of the process: each check puts English back.
class Catalogue : public ::testing::Test {
protected:
    void TearDown() override { oltrave::chooseLanguage(En); }
};

TEST_F(Catalogue, EnglishIsThePiecesThemselves) {
    for (std::string_view piece : {oltrave::piece::kRange, oltrave::piece::kPeriod,
                                   std::string_view(" , "), std::string_view("")})
        EXPECT_EQ(oltrave::inChosenLanguage(piece), piece);
}

// A family renamed in English without its Chinese would show English in a Chinese chooser.
TEST_F(Catalogue, EveryFamilyHasItsChineseName) {
    oltrave::chooseLanguage(Zh);
    const char* const chinese[] = {"一次函数", "二次函数", "三次函数", "正弦函数",
                                   "余弦函数", "正切函数", "指数函数", "对数函数"};
    ASSERT_EQ(oltrave::familyCount(), 8);
    for (int family = 0; family < oltrave::familyCount(); ++family)
        EXPECT_EQ(oltrave::inChosenLanguage(oltrave::familyDescription(family)->entry),
                  chinese[family]);
    EXPECT_EQ(oltrave::inChosenLanguage(oltrave::Form::kNotAFunction), "不是函数");
    EXPECT_EQ(oltrave::inChosenLanguage(" x"), " x");
}
