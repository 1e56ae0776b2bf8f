#pragma once

#include <QString>

namespace oltrave {

// Characters as a person sees them (grapheme clusters: an emoji, or a letter
// with its accents, is one). Plain QtCore: the command line counts with them
// too.
int graphemeCount(const QString& text);
// The first n characters of text, never part of one.
QString firstGraphemes(const QString& text, int n);

} // namespace oltrave
