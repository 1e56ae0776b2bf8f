#pragma once

#include <array>
#include <string>
#include <vector>

#include "drawncurve.h"
#include "familytable.h"
#include "parameterslider.h"

namespace oltrave {

class Form;

// What Apply enters into the form before it runs Print.
struct CurveEntry {
    int family = 0;
    AbsMode absmode = AbsMode::Plain;
    std::array<std::string, kBoxCount> texts; // empty for a box the family hides
};

// Enters a curve into the form as a person would: its family when another is
// chosen, its mode, its coefficients' texts. Print is the caller's to run.
void enterCurve(Form& form, const CurveEntry& entry);

// The sliders of one drawn curve, one for each coefficient its family uses,
// each around the value the curve was drawn with.
class CurveSliders {
public:
    // typed holds the coefficients with their exact values where known; in
    // exact mode a coefficient without one is read exactly from its decimal
    // text where it can be.
    CurveSliders(const DrawnCurve& curve, const RealCoefficients& typed, bool exactValues);

    const DrawnCurve& original() const { return original_; }
    const FamilyDescription* family() const { return family_; }
    // The boxes with a slider, in box order.
    const std::vector<int>& boxes() const { return boxes_; }
    ParameterSlider& slider(int box) { return sliders_[static_cast<std::size_t>(box)]; }
    const ParameterSlider& slider(int box) const { return sliders_[static_cast<std::size_t>(box)]; }
    // The caption of a box, "c" for "c =".
    std::string name(int box) const;

    // The curve at the sliders' values, and its coefficients with their exact values.
    DrawnCurve curve() const;
    RealCoefficients coefficients() const;
    // The same with one box at another of its positions (a frame of Play).
    DrawnCurve curveWith(int box, int position) const;
    CurveEntry entry() const;

private:
    DrawnCurve original_;
    const FamilyDescription* family_ = nullptr;
    std::vector<int> boxes_;
    std::array<ParameterSlider, kBoxCount> sliders_;
};

} // namespace oltrave
