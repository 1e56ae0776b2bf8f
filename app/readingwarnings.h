#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "model/boxreading.h"

namespace oltrave {
class Form;
}

namespace oltrave::cli {

struct Invocation;

// One line for standard error on a box text not read whole, named as the
// person wrote it: the box's caption, --at or --zoom.
QString readingWarning(const Form& form, const BoxNote& note);

// Says the invocation's warnings and each note's on standard error. With
// --strict a note is a usage error instead: the exit status to end with.
std::optional<int> reportReadings(const Invocation& invocation, const Form& form,
                                  const std::vector<BoxNote>& notes);

} // namespace oltrave::cli
