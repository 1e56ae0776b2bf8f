#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "model/language.h"

namespace oltrave {

// What a shown word was translated from.
struct SourceText {
    QByteArray context;
    QByteArray source;
    QByteArray disambiguation;
    int n = -1;
};

// Makes the application speak the language: the program's own words and Qt's
// (dialogs, buttons, context menus). May be called again while the program
// runs; what a translator gave before stays on record for sourceOf.
void installTranslators(Language language);

// The source a word now shown was translated from (or is, in English);
// nothing for a word no translator was asked for.
std::optional<SourceText> sourceOf(const QString& shown);

} // namespace oltrave
