#include "savedsession.h"

#include <cmath>

#include "boxlimits.h"

namespace oltrave {

namespace {

// Characters, as the boxes count them, for text that is valid UTF-8.
std::size_t characters(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::optional<std::string> curveProblem(const DrawnCurve& curve) {
    const FamilyDescription* family = familyDescription(curve.family);
    if (!family)
        return std::to_string(curve.family) + " is not a family";
    if (!knownMode(curve.absmode) || (!family->hasModes && curve.absmode != AbsMode::Plain))
        return std::to_string(modeIndex(curve.absmode)) + " is not a mode of this family";
    for (const double c : curve.coef) {
        if (std::isnan(c))
            return "a coefficient is not a number";
    }
    return std::nullopt;
}

std::string at(const char* list, std::size_t index) {
    return std::string(list) + "[" + std::to_string(index) + "]";
}

} // namespace

std::optional<SessionProblem> impossibleValue(const SavedSession& saved) {
    const FamilyDescription* family = familyDescription(saved.family);
    if (!family)
        return SessionProblem{"family", std::to_string(saved.family) + " is not a family"};
    if (!knownMode(saved.absmode) || (!family->hasModes && saved.absmode != AbsMode::Plain))
        return SessionProblem{"mode", std::to_string(modeIndex(saved.absmode)) +
                                          " is not a mode of this family"};
    for (std::size_t box = 0; box < saved.boxes.size(); ++box) {
        if (characters(saved.boxes[box]) > static_cast<std::size_t>(kCoefficientMaxLength))
            return SessionProblem{at("boxes", box), "longer than the box takes"};
        if (family->captions[box].empty() && !saved.boxes[box].empty())
            return SessionProblem{at("boxes", box), "this family has no such box"};
    }
    if (characters(saved.xText) > static_cast<std::size_t>(kXMaxLength))
        return SessionProblem{"x", "longer than the box takes"};
    if (characters(saved.zoomText) > static_cast<std::size_t>(kZoomMaxLength))
        return SessionProblem{"zoom", "longer than the box takes"};
    if (!std::isfinite(saved.zoom) || saved.zoom == 0)
        return SessionProblem{"zoomValue", "not a zoom the area can show"};
    for (const double c : saved.coef) {
        if (std::isnan(c))
            return SessionProblem{"coefficients", "a coefficient is not a number"};
    }
    for (std::size_t i = 0; i < saved.curves.size(); ++i) {
        if (const std::optional<std::string> problem = curveProblem(saved.curves[i]))
            return SessionProblem{at("curves", i), *problem};
    }
    for (std::size_t i = 0; i < saved.area.size(); ++i) {
        const AreaStroke& stroke = saved.area[i];
        if (std::isnan(stroke.zoom))
            return SessionProblem{at("area", i), "the zoom is not a number"};
        if (stroke.kind == AreaStroke::Kind::Curve) {
            if (const std::optional<std::string> problem = curveProblem(stroke.curve))
                return SessionProblem{at("area", i), *problem};
        }
    }
    for (std::size_t i = 0; i < saved.lines.size(); ++i) {
        const SessionLine& line = saved.lines[i];
        if (line.text.size() > kLongestSessionLine || line.decimalText.size() > kLongestSessionLine)
            return SessionProblem{at("lines", i), "longer than any line the program writes"};
        if (line.curve) {
            if (const std::optional<std::string> problem = curveProblem(*line.curve))
                return SessionProblem{at("lines", i) + ".curve", *problem};
        }
    }
    return std::nullopt;
}

FormState formStateOf(const SavedSession& saved) {
    const FamilyDescription* family = familyDescription(saved.family);
    FormState state;
    state.family = saved.family;
    state.boxes = saved.boxes;
    state.captions = {"0", "1", "2", "3"};
    if (family) {
        for (std::size_t box = 0; box < state.captions.size(); ++box) {
            state.boxVisible[box] = !family->captions[box].empty();
            if (state.boxVisible[box])
                state.captions[box] = std::string(family->captions[box]);
        }
        state.formula = std::string(family->formulaTemplate);
        state.modesEnabled = family->hasModes;
    }
    state.absmode = saved.absmode;
    state.xText = saved.xText;
    state.zoomText = saved.zoomText;
    state.coef = saved.coef;
    state.zoom = saved.zoom;
    state.plotted = saved.plotted;
    for (const DrawnCurve& curve : saved.curves)
        state.redrawn.add(curve);
    state.status = saved.status;
    return state;
}

} // namespace oltrave
