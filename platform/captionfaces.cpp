#include "captionfaces.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextLayout>
#include <cmath>
#include <map>

namespace oltrave::captionfaces {

namespace {

struct Faces {
    QFont base;
    int dpi = 0;
    std::map<int, QRawFont> sizes; // by pixel size; the base's among them
};

Faces* keptFaces = nullptr;

// Kept while the application lives: the sizes must be let go before the
// toolkit's font library goes, at the end of the program.
Faces& faces() {
    if (!keptFaces) {
        keptFaces = new Faces;
        qAddPostRoutine([] {
            delete keptFaces;
            keptFaces = nullptr;
        });
    }
    return *keptFaces;
}

// The resolution fonts not drawn on a device are sized for.
int screenDpi() {
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 100;
}

// Alike in everything the toolkit chooses or draws a face by, but the size.
bool sameFace(const QFont& a, const QFont& b) {
    return a.families() == b.families() && a.family() == b.family() && a.weight() == b.weight() &&
           a.style() == b.style() && a.stretch() == b.stretch() &&
           a.styleStrategy() == b.styleStrategy() &&
           a.hintingPreference() == b.hintingPreference() && a.kerning() == b.kerning() &&
           a.capitalization() == b.capitalization() && a.letterSpacing() == b.letterSpacing() &&
           a.letterSpacingType() == b.letterSpacingType() && a.wordSpacing() == b.wordSpacing() &&
           a.fixedPitch() == b.fixedPitch() && !a.underline() && !a.overline() && !a.strikeOut();
}

// The whole pixels the toolkit asks a face for: a point size is turned into
// pixels to a hundredth, then rounded.
int pixelsOf(const QFont& font, int dpi) {
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return qRound(std::floor(font.pointSizeF() * dpi / 72 * 100 + 0.5) / 100);
}

// One line, left to right, as the toolkit lays out a text with no breaks.
struct Line {
    QTextLayout layout;
    QTextLine line;
    Line(const QString& text, const QRawFont& raw) : layout(text) {
        layout.setRawFont(raw);
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setAlignment(Qt::AlignLeft);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        line = layout.createLine();
        line.setLineWidth(0x01000000);
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
    }
};

// Whether text lays out as one plain line of Latin letters: no breaks, tabs,
// mnemonics or length variants, and no other script. Laying out a raw font,
// Qt keeps a reference to the fonts it took for one script when it turns to
// another, and they are never let go.
bool plainLine(const QString& text) {
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == u'&' || c == QChar(0x9c) ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c.isSurrogate())
            return false;
        const QChar::Script script = c.script();
        if (script != QChar::Script_Latin && script != QChar::Script_Common &&
            script != QChar::Script_Inherited)
            return false;
    }
    return !text.isEmpty();
}

} // namespace

void setBase(const QFont& font) {
    Faces& kept = faces();
    if (kept.dpi != 0 && kept.base == font)
        return;
    kept = Faces{};
    kept.base = font;
    kept.dpi = screenDpi();
    const QRawFont raw = QRawFont::fromFont(font);
    if (raw.isValid())
        kept.sizes.emplace(pixelsOf(font, kept.dpi), raw);
}

namespace {

// The base's face at font's size on a device of dpi dots per inch, cut once
// and kept; null when font is of another face.
QRawFont sized(const QFont& font, int dpi) {
    Faces& kept = faces();
    if (kept.sizes.empty() || dpi != kept.dpi || !sameFace(font, kept.base))
        return {};
    const int pixels = pixelsOf(font, dpi);
    auto found = kept.sizes.find(pixels);
    if (found == kept.sizes.end()) {
        QRawFont cutSize = kept.sizes.begin()->second;
        cutSize.setPixelSize(pixels);
        if (!cutSize.isValid())
            return {};
        found = kept.sizes.emplace(pixels, cutSize).first;
    }
    return found->second;
}

// The face at font's size for text, when it is of the base's face and shows
// every character of a plain line of text; null otherwise.
QRawFont cut(const QFont& font, const QString& text, int dpi) {
    if (!plainLine(text))
        return {};
    const QRawFont raw = sized(font, dpi);
    for (const QChar c : text) {
        if (!raw.supportsCharacter(c))
            return {};
    }
    return raw;
}

} // namespace

qreal advance(const QFont& font, const QString& text) {
    const QRawFont raw = cut(font, text, screenDpi());
    if (!raw.isValid())
        return QFontMetricsF(font).horizontalAdvance(text);
    return Line(text, raw).line.horizontalAdvance();
}

QRawFont rawFont(const QFont& font) {
    const QRawFont raw = sized(font, screenDpi());
    return raw.isValid() ? raw : QRawFont::fromFont(font);
}

bool drawText(QPainter& painter, const QRectF& rect, int flags, const QString& text) {
    constexpr int kOwnLayout = Qt::TextWordWrap | Qt::TextWrapAnywhere |
                               Qt::TextJustificationForced | Qt::AlignJustify |
                               Qt::TextForceRightToLeft | Qt::TextDontPrint;
    // The texts cut are written left to right: a direction left to the text
    // lays them out so too.
    if ((flags & kOwnLayout) || painter.layoutDirection() == Qt::RightToLeft ||
        painter.device() == nullptr)
        return false;
    const QRawFont raw = cut(painter.font(), text, painter.device()->logicalDpiY());
    if (!raw.isValid())
        return false;
    if (painter.pen().style() == Qt::NoPen)
        return true;
    const Line laid(text, raw);
    const qreal height = laid.line.ascent() + laid.line.descent();
    const qreal width = laid.line.naturalTextWidth();
    qreal yoff = 0;
    qreal xoff = 0;
    if (flags & Qt::AlignBottom)
        yoff = rect.height() - height;
    else if (flags & Qt::AlignVCenter)
        yoff = (rect.height() - height) / 2;
    if (flags & Qt::AlignRight)
        xoff = rect.width() - width;
    else if (flags & Qt::AlignHCenter)
        xoff = (rect.width() - width) / 2;
    const bool clipped = !(flags & Qt::TextDontClip) &&
                         !rect.contains(QRectF(rect.x() + xoff, rect.y() + yoff, width, height));
    if (clipped) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    const qreal advance = laid.line.horizontalAdvance();
    xoff = 0;
    if (flags & Qt::AlignRight)
        xoff = rect.width() - advance;
    else if (flags & Qt::AlignHCenter)
        xoff = (rect.width() - advance) / 2;
    laid.line.draw(&painter, QPointF(rect.x() + xoff, rect.y() + yoff));
    if (clipped)
        painter.restore();
    return true;
}

QByteArray faceHeader(const QFont& font, const QString& text) {
    const QRawFont raw = cut(font, text, screenDpi());
    return raw.isValid() ? raw.fontTable("head") : QByteArray();
}

bool addText(QPainterPath& path, const QPointF& origin, const QFont& font, const QString& text) {
    const QRawFont raw = cut(font, text, screenDpi());
    if (!raw.isValid())
        return false;
    const Line laid(text, raw);
    const QPointF baseline = origin - QPointF(0, laid.line.ascent());
    for (const QGlyphRun& run : laid.layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            path.addPath(raw.pathForGlyph(glyphs[i]).translated(baseline + positions[i]));
    }
    return true;
}

} // namespace oltrave::captionfaces
