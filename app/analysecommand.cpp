#include "analysecommand.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "analysis/plotted.h"
#include "analysis/rows.h"
#include "analysisjson.h"
#include "commandline.h"
#include "model/form.h"
#include "plotsteps.h"
#include "subcommands.h"

namespace oltrave::cli {

namespace {

bool write(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

} // namespace

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
        if (!write(text)) {
            std::fprintf(stderr, "cannot write to standard output: %s\n", std::strerror(errno));
            return kExitFile;
        }
        return kExitOk;
    });
}

} // namespace oltrave::cli
