#include "analysecommand.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <string>

#include "analysis/plotted.h"
#include "analysis/rows.h"
#include "analysisjson.h"
#include "commandline.h"
#include "model/form.h"
#include "plotsteps.h"
#include "standardoutput.h"
#include "subcommands.h"

namespace oltrave::cli {

int runAnalyse(const Invocation& invocation, char* programPath) {
    NoCanvas canvas;
    return runOnForm(invocation, programPath, canvas, [&](Form& form) {
        const std::optional<Analysis> analysis = analysePlotted(form);
        if (!analysis) {
            const std::string_view failure =
                shownFailure(form).value_or(inChosenLanguage(Form::kNotAFunction));
            std::fprintf(stderr, "%.*s\n", static_cast<int>(failure.size()), failure.data());
            return kExitShownFailure;
        }
        std::string text;
        if (invocation.json) {
            const QJsonObject object = plottedAnalysisJson(form, *analysis);
            text = QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
        } else {
            for (const AnalysisRow& row : analysisRows(*analysis))
                text += row.text() + '\n';
        }
        writeOut(text);
        return finishOutput(kExitOk);
    });
}

} // namespace oltrave::cli
