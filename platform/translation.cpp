#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "settings.h"

namespace oltrave {

namespace {

const char* const kLanguageKey = "language";

// A translator owned by the application, or none when its file is missing.
void install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

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
    if (language == Language::English)
        return; // the words in the code
    // Qt's own words (the file dialog's, the line edits' menus) where Debian installed them.
    install(QStringLiteral("qt_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("oltrave_zh_CN"), QStringLiteral(":/i18n"));
}

} // namespace oltrave
