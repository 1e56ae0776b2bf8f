#pragma once

#include <QRawFont>

class QByteArray;
class QFont;
class QPainter;
class QPainterPath;
class QPointF;
class QRectF;
class QString;

namespace oltrave::captionfaces {

// The window's captions come in five sizes of one face. Before it draws with
// a new size of a font, the toolkit matches it against every installed font
// (about a third of a millisecond each, at every start); a size cut from one
// already loaded draws and measures exactly alike without that. Fonts of any
// other face, and texts the face cannot show, are left to the toolkit.

// The font the other sizes of its face are cut from: one the window loads
// anyway. Until it is given, nothing is cut.
void setBase(const QFont& font);

// The width of text, as QFontMetricsF(font).horizontalAdvance gives it.
qreal advance(const QFont& font, const QString& text);

// The face's raw font at font's size: cut when it can be, else the toolkit's.
QRawFont rawFont(const QFont& font);

// Draws text in rect as painter.drawText(rect, flags, text) draws it, through
// a cut size; false, drawing nothing, when that cannot be done the same way.
bool drawText(QPainter& painter, const QRectF& rect, int flags, const QString& text);

// The header table of the face text is cut from, which tells one file or
// version of a font from another; empty when text is left to the toolkit.
QByteArray faceHeader(const QFont& font, const QString& text);

// The outline of text with its baseline from origin, as QPainterPath::addText
// gives it; false, with path untouched, when the text needs the toolkit.
bool addText(QPainterPath& path, const QPointF& origin, const QFont& font, const QString& text);

} // namespace oltrave::captionfaces
