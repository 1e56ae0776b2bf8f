#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exact/exactreader.h"

namespace oltrave {

class Form;

// How the decimal reading went with a box's text.
enum class DecimalReading {
    Whole,      // every character is part of the number
    Empty,      // nothing but blanks: 0
    Partial,    // a leading number, the rest ignored
    NotANumber, // no number at all: 0
    Overflow,   // beyond the double range: the box's fallback is used
};

// What a box's text gives the computation, and what the person should be told
// when that differs from the text.
struct BoxReading {
    DecimalReading decimal = DecimalReading::Empty;
    // Exact mode only: None when the exact grammar read the text.
    ExactRefusal refusal = ExactRefusal::None;
    bool exactMode = false;
    double used = 0;
    bool previousKept = false; // an overflow kept the box's earlier value
    std::string ignored;       // what a partial reading left
    // Decimal mode: the text as Exact Values would read it, when it can.
    std::optional<std::string> exactText;

    // Whether the number used differs from what the text says.
    bool noteworthy() const;
};

// Reads a text as a box of the given mode does. previous is what an
// overflowing text leaves in place; without one it reads as 0.
BoxReading readBox(std::string_view text, bool exactMode, std::optional<double> previous);

// The boxes of a form, as its next command would read them.
enum class BoxKind { Coefficient, X, Zoom };
struct BoxNote {
    BoxKind kind = BoxKind::Coefficient;
    int box = 0; // the coefficient box
    std::string text;
    BoxReading reading;
};
BoxNote coefficientNote(const Form& form, int box);
BoxNote xNote(const Form& form);
BoxNote zoomNote(const Form& form);
// Every shown box whose text is not read whole, in the order coefficient
// boxes, x, zoom.
std::vector<BoxNote> noteworthyBoxes(const Form& form);

} // namespace oltrave
