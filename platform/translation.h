#pragma once

#include <optional>

#include <QString>

#include "model/language.h"

namespace oltrave {

// The language chosen in the window's View menu, if one was.
std::optional<Language> rememberedLanguage();
// Empty when kept, else why not (see rememberSetting).
QString rememberLanguage(Language language);

// The words of this run: the command line's choice, else the remembered one,
// else the environment's.
Language startupLanguage(std::optional<Language> commandLine);

// A language from the command line's "en" or "zh_CN" (a locale name is taken too).
std::optional<Language> languageFromArgument(const QString& argument);

// Puts every word of the program in the language: the window's and Qt's own
// through translators on the application, the result lines through the model.
// Call after the application object is made, before any window, and again
// whenever the language changes.
void useLanguage(Language language);

} // namespace oltrave
