#include "shapestrip.h"

#include <QEvent>

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
    setFocusPolicy(Qt::TabFocus); // so that a screen reader can reach it
}

void ShapeStrip::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(tr("Where the shape changes"));
    QLabel::changeEvent(event);
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

void ShapeStrip::show(double value) {
    const QStringList texts = pieceTexts();
    QStringList shown;
    QString current;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const ShapePiece& piece = pieces_.pieces[static_cast<std::size_t>(i)];
        if (holds(piece, value)) {
            shown << QStringLiteral("<b>") + texts[i].toHtmlEscaped() + QStringLiteral("</b>");
            current = QString::fromStdString(pieceBoundsText(piece, name_.toStdString())) +
                      QStringLiteral(": ") + QString::fromStdString(shapeText(piece.shape));
        } else {
            shown << texts[i].toHtmlEscaped();
        }
    }
    setText(shown.join(QStringLiteral(" | ")));
    setToolTip(current);
    setAccessibleDescription(texts.join(QStringLiteral(" | ")) + QStringLiteral(". ") + current);
}

} // namespace oltrave
