#include "translation.h"

#include "settings.h"
#include "translators.h"

namespace oltrave {

namespace {

const char* const kLanguageKey = "language";

} // namespace

std::optional<Language> rememberedLanguage() {
    const QString code = programSettings().value(QLatin1String(kLanguageKey)).toString();
    if (code.isEmpty())
        return std::nullopt;
    return languageFromLocaleName(code.toStdString());
}

QString rememberLanguage(Language language) {
    const std::string_view code = languageCode(language);
    return rememberSetting(QLatin1String(kLanguageKey),
                           QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
}

Language startupLanguage(std::optional<Language> commandLine) {
    if (commandLine)
        return *commandLine;
    if (const auto remembered = rememberedLanguage())
        return *remembered;
    return processLanguage();
}

std::optional<Language> languageFromArgument(const QString& argument) {
    return languageFromLocaleName(argument.toStdString());
}

void useLanguage(Language language) {
    chooseLanguage(language);
    installTranslators(language);
}

} // namespace oltrave
