#include "curvesliders.h"

#include "exact/exactreader.h"
#include "form.h"
#include "numtext.h"

namespace oltrave {

void enterCurve(Form& form, const CurveEntry& entry) {
    if (form.family() != entry.family)
        form.chooseFamily(entry.family);
    form.clickMode(entry.absmode);
    for (int box = 0; box < kBoxCount; ++box) {
        if (form.boxVisible(box))
            form.editBox(box, entry.texts[static_cast<std::size_t>(box)]);
    }
}

CurveSliders::CurveSliders(const DrawnCurve& curve, const RealCoefficients& typed, bool exactValues)
    : original_(curve), family_(familyDescription(curve.family)) {
    if (!family_)
        return;
    for (int box = 0; box < kBoxCount; ++box) {
        const auto i = static_cast<std::size_t>(box);
        if (family_->captions[i].empty())
            continue;
        boxes_.push_back(box);
        Real value = typed[i];
        if (value.value != curve.coef[i])
            value = Real(curve.coef[i]); // typed belongs to another curve
        StepKind kind = StepKind::Decimal;
        if (exactValues) {
            kind = box == family_->angleBox ? StepKind::Angle : StepKind::Fraction;
            if (!value.exact) {
                if (const std::optional<ExactReading> read = readExact(numtext(value.value)))
                    value = Real(read->nearest, read->value);
            }
        }
        sliders_[i] = ParameterSlider::around(value, kind);
    }
}

std::string CurveSliders::name(int box) const {
    if (!family_)
        return {};
    std::string caption(family_->captions[static_cast<std::size_t>(box)]);
    if (caption.ends_with(" ="))
        caption.resize(caption.size() - 2);
    return caption;
}

DrawnCurve CurveSliders::curve() const {
    DrawnCurve drawn = original_;
    for (int box : boxes_) {
        const Real value = slider(box).value();
        drawn.coef[static_cast<std::size_t>(box)] = value.value;
        drawn.exact[static_cast<std::size_t>(box)] = value.exact;
    }
    return drawn;
}

DrawnCurve CurveSliders::curveWith(int box, int position) const {
    DrawnCurve drawn = curve();
    const Real value = slider(box).valueAtPosition(position);
    drawn.coef[static_cast<std::size_t>(box)] = value.value;
    drawn.exact[static_cast<std::size_t>(box)] = value.exact;
    return drawn;
}

RealCoefficients CurveSliders::coefficients() const {
    RealCoefficients coef;
    for (int box = 0; box < kBoxCount; ++box)
        coef[static_cast<std::size_t>(box)] = Real(original_.coef[static_cast<std::size_t>(box)]);
    for (int box : boxes_)
        coef[static_cast<std::size_t>(box)] = slider(box).value();
    return coef;
}

CurveEntry CurveSliders::entry() const {
    CurveEntry entry{original_.family, original_.absmode, {}};
    for (int box : boxes_)
        entry.texts[static_cast<std::size_t>(box)] = slider(box).text(slider(box).value());
    return entry;
}

} // namespace oltrave
