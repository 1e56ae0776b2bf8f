#include "plotsteps.h"

#include <QTextBoundaryFinder>

#include "commandline.h"
#include "model/boxlimits.h"
#include "model/form.h"

namespace oltrave::cli {

QString cutToBox(const QString& text, int limit) {
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (characters.toNextBoundary() >= 0) {
        if (++count == limit)
            return text.left(characters.position());
    }
    return text;
}

namespace {

std::string boxText(const QString& text, int limit) {
    return cutToBox(text, limit).toStdString();
}

} // namespace

void runSteps(Form& form, const PlotRequest& request) {
    form.chooseFamily(request.family);
    for (qsizetype box = 0; box < request.coefficients.size(); ++box)
        form.editBox(static_cast<int>(box),
                     boxText(request.coefficients[box], kCoefficientMaxLength));
    form.editZoom(boxText(request.zoom, kZoomMaxLength));
    form.clickMode(request.mode);
    form.plot();
    for (const QString& x : request.at) {
        form.editX(boxText(x, kXMaxLength));
        form.evaluate();
    }
}

std::optional<std::string_view> shownFailure(const Form& form) {
    for (const std::string_view failure : {Form::kNotAFunction, Form::kZoomError}) {
        if (form.formulaLabel() == failure)
            return failure;
    }
    return std::nullopt;
}

} // namespace oltrave::cli
