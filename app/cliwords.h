#pragma once

#include <QString>
#include <QStringList>

#include "model/language.h"

namespace oltrave::cli {

// The command line speaks before any application object exists, so its words
// come from a translator of its own. Mark each source text with
// QT_TRANSLATE_NOOP("oltrave::cli", ...) so that the translation files find it.
void speak(Language language);
QString words(const char* source);

// The language --lang names among the arguments, however they are ordered or
// whether they are valid otherwise; empty when none does.
QString askedLanguage(const QStringList& arguments);

} // namespace oltrave::cli
