#include "classifycommand.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <string>

#include "analysis/classify.h"
#include "analysisjson.h"
#include "cliwords.h"
#include "commandline.h"
#include "model/boxreading.h"
#include "model/form.h"
#include "model/numtext.h"
#include "plotsteps.h"
#include "standardoutput.h"
#include "subcommands.h"

namespace oltrave::cli {

namespace {

const QString kParameter = QStringLiteral("p");

QJsonObject shapeObject(const Shape& s) {
    if (!s.function)
        return {{QStringLiteral("function"), false}};
    QJsonArray extrema;
    for (ExtremumKind kind : s.extrema)
        extrema.append(kind == ExtremumKind::Max ? QStringLiteral("max") : QStringLiteral("min"));
    QJsonArray monotony;
    for (Monotony m : s.monotony)
        monotony.append(m == Monotony::Increasing ? QStringLiteral("inc") : QStringLiteral("dec"));
    QString parity = QStringLiteral("neither");
    if (s.parity == Parity::Odd)
        parity = QStringLiteral("odd");
    else if (s.parity == Parity::Even)
        parity = QStringLiteral("even");
    return {{QStringLiteral("function"), true},     {QStringLiteral("zeros"), s.zeros},
            {QStringLiteral("parity"), parity},     {QStringLiteral("extrema"), extrema},
            {QStringLiteral("monotony"), monotony}, {QStringLiteral("asymptotes"), s.asymptotes}};
}

QJsonValue boundValue(const std::optional<PieceBound>& b) {
    return b ? number(b->value) : QJsonValue(QJsonValue::Null);
}

QJsonObject pieceObject(const ShapePiece& piece) {
    if (piece.single())
        return {{QStringLiteral("at"), number(piece.from->value)},
                {QStringLiteral("shape"), shapeObject(piece.shape)}};
    return {{QStringLiteral("from"), boundValue(piece.from)},
            {QStringLiteral("to"), boundValue(piece.to)},
            {QStringLiteral("closed"),
             QJsonArray{piece.from && piece.from->closed, piece.to && piece.to->closed}},
            {QStringLiteral("shape"), shapeObject(piece.shape)}};
}

// The caption without its " =": "c", "ω".
QString parameterName(const FamilyDescription& family, int parameter) {
    QString caption = QString::fromUtf8(
        family.captions[static_cast<std::size_t>(parameter)].data(),
        static_cast<qsizetype>(family.captions[static_cast<std::size_t>(parameter)].size()));
    caption.remove(QLatin1Char('='));
    return caption.trimmed();
}

} // namespace

QString takeParameter(PlotRequest& plot, ClassifyRequest& classify) {
    const qsizetype at = plot.coefficients.indexOf(kParameter);
    if (at < 0)
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "no coefficient is written as p"));
    if (plot.coefficients.lastIndexOf(kParameter) != at)
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "only one coefficient may be p"));
    classify.parameter = static_cast<int>(at);
    // Any number reads whole; the classification puts p's values in its place.
    plot.coefficients[at] = QStringLiteral("0");
    return {};
}

QString readRange(const QCommandLineParser& parser, Invocation& invocation) {
    ClassifyRequest& range = invocation.classify;
    for (const auto& [name, value] : {std::pair{QStringLiteral("from"), &range.from},
                                      std::pair{QStringLiteral("to"), &range.to}}) {
        if (!parser.isSet(name))
            continue;
        const QString text = parser.value(name);
        const BoxReading reading = readBox(text.toStdString(), false, std::nullopt);
        *value = reading.used;
        if (!reading.noteworthy())
            continue;
        const QString said = QStringLiteral("--%1 \"%2\"").arg(name, text);
        const QString used = QString::fromStdString(numtext(reading.used));
        const QString warning =
            reading.decimal == DecimalReading::Overflow
                ? words(QT_TRANSLATE_NOOP("oltrave::cli", "%1 is too large: it is read as %2"))
                      .arg(said, used)
                : words(QT_TRANSLATE_NOOP("oltrave::cli", "%1 is read as %2")).arg(said, used);
        if (parser.isSet(QStringLiteral("strict")))
            return warning;
        invocation.warnings << warning;
    }
    if (range.from > range.to)
        return words(QT_TRANSLATE_NOOP("oltrave::cli", "--from %1 is above --to %2"))
            .arg(QString::fromStdString(numtext(range.from)),
                 QString::fromStdString(numtext(range.to)));
    return {};
}

int runClassify(const Invocation& invocation, char* programPath) {
    NoCanvas canvas;
    return runOnForm(invocation, programPath, canvas, [&](Form& form) {
        const FamilyDescription& family = *familyDescription(form.family());
        RealCoefficients coef;
        for (int box = 0; box < kBoxCount; ++box)
            coef[static_cast<std::size_t>(box)] = form.coefficient(box);
        const int parameter = invocation.classify.parameter;
        const ShapeClassification classification =
            classifyShapes(family, form.absmode(), coef, parameter, invocation.classify.from,
                           invocation.classify.to);
        std::string text;
        if (invocation.json) {
            QJsonArray pieces;
            for (const ShapePiece& piece : classification.pieces)
                pieces.append(pieceObject(piece));
            const QJsonObject object{
                {QStringLiteral("parameter"), parameterName(family, parameter)},
                {QStringLiteral("pieces"), pieces}};
            text = QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
        } else {
            for (const ShapePiece& piece : classification.pieces)
                text += pieceBoundsText(piece, kParameter.toStdString()) + " : " +
                        shapeText(piece.shape) + '\n';
        }
        writeOut(text);
        return finishOutput(kExitOk);
    });
}

} // namespace oltrave::cli
