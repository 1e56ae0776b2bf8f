#pragma once

#include <QString>
#include <optional>
#include <string_view>

#include "model/language.h"

namespace oltrave {
class Form;
}

namespace oltrave::cli {

struct PlotRequest;

// Runs on a started form what a person does in the window: Exact Values
// set as asked, the family
// chosen, the boxes typed, the zoom typed, the mode clicked, Print, then for
// each x the x box typed and Calculate. Texts are cut to the boxes' limits.
void runSteps(Form& form, const PlotRequest& request);

// The language a command speaks: the one asked for, else the environment's
// (never the window's remembered choice).
Language commandLanguage(const QString& asked);

// The failure the window shows after the steps, if any.
std::optional<std::string_view> shownFailure(const Form& form);

} // namespace oltrave::cli
