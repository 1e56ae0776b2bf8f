#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string_view>

#include "model/boxreading.h"
#include "model/canvas.h"
#include "model/language.h"

namespace oltrave {
class Form;
}

namespace oltrave::cli {

struct Invocation;
struct PlotRequest;

// For commands that want the form's state but not its drawing.
class NoCanvas : public Canvas {
public:
    bool setScale(float, float, float, float) override { return true; }
    void clear() override {}
    void line(float, float, float, float) override {}
    void point(float, float, Colour) override {}
    void points(const CanvasPoint*, std::size_t, Colour) override {}
};

// Runs on a started form what a person does in the window: Exact Values
// set as asked, the family
// chosen, the boxes typed, the zoom typed, the mode clicked, Print, then for
// each x the x box typed and Calculate. Texts are cut to the boxes' limits.
// Gives the boxes whose texts were not read whole, each when it was read.
std::vector<BoxNote> runSteps(Form& form, const PlotRequest& request);

// A command that needs no GUI: under a core application, in the command's
// language, runs the steps on a form drawing on canvas, then returns what use
// makes of the form and its session. Texts not read whole are warned about
// first, and with --strict end the command with a usage error.
int runOnForm(const Invocation& invocation, char* programPath, Canvas& canvas,
              const std::function<int(Form& form)>& use);

// The language a command speaks: the one asked for, else the environment's
// (never the window's remembered choice).
Language commandLanguage(const QString& asked);

// The failure the window shows after the steps, if any, in the command's language.
std::optional<std::string_view> shownFailure(const Form& form);

} // namespace oltrave::cli
