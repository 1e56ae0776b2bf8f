#include "shapestrip.h"

#include <QEvent>
#include <algorithm>

namespace oltrave {

namespace {

bool holds(const ShapePiece& piece, double value) {
    const auto above = [value](const std::optional<PieceBound>& from) {
        return !from || value > from->nearest || (from->closed && value == from->nearest);
    };
    const auto below = [value](const std::optional<PieceBound>& to) {
        return !to || value < to->nearest || (to->closed && value == to->nearest);
    };
    return above(piece.from) && below(piece.to);
}

} // namespace

ShapeStrip::ShapeStrip(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("shapestrip"));
    setAccessibleName(tr("Where the shape changes"));
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    // Its text stays put in a strip kept as tall as its tallest text.
    setAlignment(Qt::AlignLeading | Qt::AlignTop);
    setFocusPolicy(Qt::TabFocus); // so that a screen reader can reach it
}

void ShapeStrip::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(tr("Where the shape changes"));
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        heights_.clear();
    QLabel::changeEvent(event);
}

int ShapeStrip::heightForWidth(int width) const {
    if (variants_.size() < 2)
        return QLabel::heightForWidth(width);
    if (const auto kept = heights_.constFind(width); kept != heights_.constEnd())
        return *kept;
    // Measured by a label laid out as this one is.
    QLabel measure;
    measure.setWordWrap(true);
    measure.setTextFormat(Qt::RichText);
    measure.setFont(font());
    measure.setContentsMargins(contentsMargins());
    measure.setMargin(margin());
    measure.setIndent(indent());
    int most = 0;
    for (const QString& variant : variants_) {
        measure.setText(variant);
        most = std::max(most, measure.heightForWidth(width));
    }
    heights_.insert(width, most);
    return most;
}

void ShapeStrip::follow(const FamilyDescription& family, AbsMode mode, const RealCoefficients& coef,
                        int parameter, const QString& name, double from, double to) {
    const auto p = static_cast<std::size_t>(parameter);
    Asked asked{&family, mode, parameter, {}, static_cast<bool>(coef[p].exact), from, to};
    for (std::size_t i = 0; i < coef.size(); ++i)
        asked.others[i] = i == p ? 0 : coef[i].value;
    if (!asked_ || !(*asked_ == asked) || name != name_) {
        asked_ = asked;
        name_ = name;
        pieces_ = classifyShapes(family, mode, coef, parameter, from, to);
    }
    show(coef[p].value);
}

void ShapeStrip::clear() {
    asked_.reset();
    pieces_ = {};
    variants_.clear();
    heights_.clear();
    QLabel::clear();
    setAccessibleDescription({});
}

QStringList ShapeStrip::pieceTexts() const {
    QStringList texts;
    for (std::size_t i = 0; i < pieces_.pieces.size(); ++i) {
        const ShapePiece& piece = pieces_.pieces[i];
        QString text = QString::fromStdString(pieceSummary(pieces_, i));
        // A single value is named; an interval is told by its neighbours.
        if (piece.single())
            text = QString::fromStdString(pieceBoundsText(piece, name_.toStdString())) +
                   QLatin1Char(' ') + text;
        texts << text;
    }
    return texts;
}

// The strip's text with the pieces numbered in bold in bold.
QString ShapeStrip::stripText(const QStringList& texts, const QList<qsizetype>& bold) {
    QStringList shown;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        shown << (bold.contains(i)
                      ? QStringLiteral("<b>") + texts[i].toHtmlEscaped() + QStringLiteral("</b>")
                      : texts[i].toHtmlEscaped());
    }
    return shown.join(QStringLiteral(" | "));
}

void ShapeStrip::show(double value) {
    const QStringList texts = pieceTexts();
    // Rebuilt each time: the words follow the language.
    QStringList variants{stripText(texts, {})};
    for (qsizetype i = 0; i < texts.size(); ++i)
        variants << stripText(texts, {i});
    if (variants != variants_) {
        variants_ = variants;
        heights_.clear();
    }
    QList<qsizetype> bold;
    QString current;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const ShapePiece& piece = pieces_.pieces[static_cast<std::size_t>(i)];
        if (holds(piece, value)) {
            bold << i;
            current = QString::fromStdString(pieceBoundsText(piece, name_.toStdString())) +
                      QStringLiteral(": ") + QString::fromStdString(shapeText(piece.shape));
        }
    }
    setText(stripText(texts, bold));
    setToolTip(current);
    setAccessibleDescription(texts.join(QStringLiteral(" | ")) + QStringLiteral(". ") + current);
}

} // namespace oltrave
