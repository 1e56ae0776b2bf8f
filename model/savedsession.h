#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "drawncurve.h"
#include "familytable.h"
#include "formstate.h"
#include "session.h"

namespace oltrave {

// The session file's format number; a reader takes this one and every older one.
inline constexpr int kSessionFormat = 1;
// No result line the program writes comes near this many bytes.
inline constexpr std::size_t kLongestSessionLine = 4096;

// What a session file holds: the form as a person left it, the options that
// change what is shown, the curves drawn since the last clear, the strokes on
// the area and the list's lines.
struct SavedSession {
    int family = 0;
    AbsMode absmode = AbsMode::Plain;
    std::array<std::string, kBoxCount> boxes;
    std::string xText;
    std::string zoomText = "10";
    double zoom = 10;
    bool plotted = false;
    Status status = Status::Ok;
    Coefficients coef{};
    bool exactValues = false;
    bool keyPoints = false;
    std::vector<DrawnCurve> curves;
    std::vector<AreaStroke> area;
    std::vector<SessionLine> lines;
};

// Why a value of a session cannot have come from this program: the field,
// named as the file names it ("lines[3].text"), and the reason.
struct SessionProblem {
    std::string field;
    std::string reason;
};

// The first value the program could never have written, if any. A session
// that passes shows as it was saved.
std::optional<SessionProblem> impossibleValue(const SavedSession& saved);

// The form's state that a saved session stands for; what the family decides
// (captions, hidden boxes, the formula, whether modes can be chosen) comes
// from the family, not from the file.
FormState formStateOf(const SavedSession& saved);

} // namespace oltrave
