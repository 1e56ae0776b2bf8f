#include "plotsteps.h"

#include <QCoreApplication>

#include "commandline.h"
#include "model/boxlimits.h"
#include "model/catalogue.h"
#include "model/form.h"
#include "platform/graphemes.h"
#include "readingwarnings.h"

namespace oltrave::cli {

namespace {

std::string boxText(const QString& text, int limit) {
    return firstGraphemes(text, limit).toStdString();
}

} // namespace

std::vector<BoxNote> runSteps(Form& form, const PlotRequest& request) {
    if (request.session) {
        // As File > Open Session shows it: every curve, the list as saved.
        form.setExactValues(request.session->exactValues);
        form.open(*request.session);
        return {};
    }
    // Decimal unless asked: the command line never reads the window's settings.
    form.setExactValues(request.exact);
    form.chooseFamily(request.family);
    for (qsizetype box = 0; box < request.coefficients.size(); ++box)
        form.editBox(static_cast<int>(box),
                     boxText(request.coefficients[box], kCoefficientMaxLength));
    form.editZoom(boxText(request.zoom, kZoomMaxLength));
    form.clickMode(request.mode);
    std::vector<BoxNote> notes = noteworthyBoxes(form);
    std::erase_if(notes, [](const BoxNote& note) { return note.kind == BoxKind::X; });
    form.plot();
    for (const QString& x : request.at) {
        form.editX(boxText(x, kXMaxLength));
        if (BoxNote note = xNote(form); note.reading.noteworthy())
            notes.push_back(std::move(note));
        form.evaluate();
    }
    return notes;
}

int runOnForm(const Invocation& invocation, char* programPath, Canvas& canvas,
              const std::function<int(Form& form)>& use) {
    int argc = 1;
    char* argv[] = {programPath, nullptr};
    const QCoreApplication app(argc, argv);

    chooseLanguage(commandLanguage(invocation.lang));
    Session session;
    Form form(canvas, session);
    form.start();
    const std::vector<BoxNote> notes = runSteps(form, invocation.plot);
    if (const std::optional<int> stop = reportReadings(invocation, form, notes))
        return *stop;
    return use(form);
}

Language commandLanguage(const QString& asked) {
    if (const auto language = languageFromLocaleName(asked.toStdString()))
        return *language;
    return processLanguage();
}

std::optional<std::string_view> shownFailure(const Form& form) {
    if (form.status() == Status::Ok)
        return std::nullopt;
    return inChosenLanguage(statusText(form.status()));
}

} // namespace oltrave::cli
