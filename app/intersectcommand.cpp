#include "intersectcommand.h"

#include <QJsonArray>
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
#include "readingwarnings.h"
#include "standardoutput.h"
#include "subcommands.h"

namespace oltrave::cli {

namespace {

QJsonObject meetingObject(const Intersections& meeting) {
    QJsonArray points;
    for (const Intersection& p : meeting.points)
        points.append(
            QJsonObject{{QStringLiteral("x"), number(p.x)}, {QStringLiteral("y"), number(p.y)}});
    QJsonArray overlaps;
    for (const Span& s : meeting.overlaps)
        overlaps.append(interval(s));
    return {{QStringLiteral("points"), points},
            {QStringLiteral("overlaps"), overlaps},
            {QStringLiteral("same_curve"), meeting.sameCurve}};
}

int refuse(const Form& form) {
    const std::string_view failure =
        shownFailure(form).value_or(inChosenLanguage(Form::kNotAFunction));
    std::fprintf(stderr, "%.*s\n", static_cast<int>(failure.size()), failure.data());
    return kExitShownFailure;
}

} // namespace

int runIntersect(const Invocation& invocation, char* programPath) {
    NoCanvas canvas;
    return runOnForm(invocation, programPath, canvas, [&](Form& first) {
        // The second curve on a form of its own, read as the first was.
        NoCanvas otherCanvas;
        Session otherSession;
        Form second(otherCanvas, otherSession);
        second.start();
        Invocation quiet = invocation;
        quiet.warnings.clear();
        const std::vector<BoxNote> notes = runSteps(second, *invocation.other);
        if (const std::optional<int> stop = reportReadings(quiet, second, notes))
            return *stop;

        const std::optional<AnalysedCurve> a = plottedCurve(first);
        if (!a)
            return refuse(first);
        const std::optional<AnalysedCurve> b = plottedCurve(second);
        if (!b)
            return refuse(second);
        const Intersections meeting = intersect(*a, *b, first.zoom());
        std::string text;
        if (invocation.json) {
            text =
                QJsonDocument(meetingObject(meeting)).toJson(QJsonDocument::Indented).toStdString();
        } else {
            for (const std::string& row : intersectionRows(meeting))
                text += row + '\n';
        }
        writeOut(text);
        return finishOutput(kExitOk);
    });
}

} // namespace oltrave::cli
