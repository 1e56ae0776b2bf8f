#include "form.h"

namespace oltrave {

FormState Form::state() const {
    return {family_,  boxes_,           boxVisible_, captions_,  formula_, modesEnabled_, absmode_,
            xText_,   zoomText_,        coef_,       exactCoef_, zoom_,    plotted_,      periodic_,
            redrawn_, session_.status()};
}

void Form::restore(const FormState& state) {
    family_ = state.family;
    boxes_ = state.boxes;
    boxVisible_ = state.boxVisible;
    captions_ = state.captions;
    formula_ = state.formula;
    modesEnabled_ = state.modesEnabled;
    absmode_ = state.absmode;
    xText_ = state.xText;
    zoomText_ = state.zoomText;
    coef_ = state.coef;
    exactCoef_ = state.exactCoef;
    zoom_ = state.zoom;
    plotted_ = state.plotted;
    periodic_ = state.periodic;
    redrawn_ = state.redrawn;
    session_.setStatus(state.status);
}

void Form::swapArea(std::size_t kept, std::vector<AreaStroke>& other) {
    keepAreaBefore();
    kept = std::min(kept, area_.size());
    std::vector<AreaStroke> replaced(area_.begin() + static_cast<std::ptrdiff_t>(kept),
                                     area_.end());
    area_.resize(kept);
    area_.insert(area_.end(), other.begin(), other.end());
    other = std::move(replaced);
    replayArea(canvas_);
    session_.areaRedrawn();
}

SavedSession Form::saved() const {
    SavedSession saved;
    saved.family = family_;
    saved.absmode = absmode_;
    saved.boxes = boxes_;
    saved.xText = xText_;
    saved.zoomText = zoomText_;
    saved.zoom = zoom_;
    saved.plotted = plotted_;
    saved.status = session_.status();
    saved.coef = coef_;
    saved.exactValues = exactValues_;
    saved.curves = session_.curves();
    saved.area = area_;
    saved.lines = session_.lines();
    return saved;
}

void Form::open(SavedSession saved) {
    const Session::Hold announceOnce(session_);
    restore(formStateOf(saved));
    exactCoef_ = {};
    periodic_ = {};
    session_.swapCurves(0, saved.curves);
    session_.swapLines(0, saved.lines);
    swapArea(0, saved.area);
}

void Form::replayArea(Canvas& canvas) const {
    canvas.clear();
    for (const AreaStroke& stroke : area_) {
        if (stroke.kind == AreaStroke::Kind::Axes)
            drawAxes(canvas, stroke.zoom);
        else
            redraw(stroke.curve, stroke.zoom, canvas);
    }
}

} // namespace oltrave
