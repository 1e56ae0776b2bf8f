#include "form.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "exact/exactreader.h"
#include "numtext.h"
#include "zoomseries.h"

namespace oltrave {

namespace {

// Where a redrawn curve's lines go: the list already holds them.
class NoLines : public ResultList {
public:
    void clear() override {}
    void append(const std::string&) override {}
};

} // namespace

Form::Form(Canvas& canvas, ResultList& list) : canvas_(canvas), list_(list) {}

void Form::start() {
    chooseFamily(kStartFamily);
    plotted_ = false;
    setZoomText("10");
    loadcoordinates();
}

// ---- Family and mode -------------------------------------------------------

void Form::chooseFamily(int family) {
    family_ = family;
    plotted_ = false;
    for (int box = 0; box < kBoxCount; ++box)
        setBoxText(box, "");
    const FamilyDescription* info = familyDescription(family_);
    if (!info)
        return;
    llabsready(info->hasModes ? 0 : 1);
    formula_ = std::string(info->formulaTemplate);
    showBoxes(info->captions);
}

// An empty caption hides the box and its label; a hidden label keeps its caption.
void Form::showBoxes(const std::array<std::string_view, kBoxCount>& captions) {
    for (int box = 0; box < kBoxCount; ++box) {
        const std::string_view caption = captions[index(box)];
        boxVisible_[index(box)] = !caption.empty();
        if (!caption.empty())
            captions_[index(box)] = std::string(caption);
    }
}

void Form::clickMode(int mode) {
    if (modesEnabled_)
        selectMode(mode);
}

void Form::selectMode(int mode) {
    if (mode >= 0 && mode < kModeCount)
        absmode_ = mode;
}

void Form::llabsready(int lock) {
    if (lock == 0) {
        modesEnabled_ = true;
    } else if (lock == 1) {
        selectMode(0);
        modesEnabled_ = false;
    }
}

void Form::loadformula() {
    if (const FamilyDescription* info = familyDescription(family_))
        formula_ = std::string(info->formulaTemplate);
}

// ---- Text boxes ------------------------------------------------------------

void Form::editBox(int box, std::string_view text) {
    if (box >= 0 && box < kBoxCount)
        setBoxText(box, text);
}

void Form::setBoxText(int box, std::string_view text) {
    if (boxes_[index(box)] == text)
        return; // an unchanged text raises no change
    boxes_[index(box)] = std::string(text);
    loadformula();
}

void Form::editX(std::string_view text) {
    xText_ = std::string(text);
}

void Form::editZoom(std::string_view text) {
    setZoomText(text);
}

void Form::setZoomText(std::string_view text) {
    if (zoomText_ == text)
        return;
    zoomText_ = std::string(text);
    if (formula_ == kZoomError)
        loadformula();
    zoomGuard();
}

// The zoom box never holds a zero value. A leading number beyond the double
// range cannot be compared with 0 and is left alone.
void Form::zoomGuard() {
    const std::optional<double> value = numval(zoomText_);
    if (value && *value == 0)
        setZoomText("1");
}

// ---- Viewport --------------------------------------------------------------

void Form::loadcoordinates() {
    applyZoom(numstrict(zoomText_));
}

void Form::loadscale() {
    applyZoom(numval(zoomText_));
}

void Form::applyZoom(std::optional<double> read) {
    if (read)
        zoom_ = *read; // a failed reading keeps the previous zoom
    drawAxes();
}

void Form::drawAxes() {
    drawAxes(canvas_);
}

void Form::drawAxes(Canvas& canvas) const {
    if (!fitsSinglePrecision(zoom_))
        return; // the canvas cannot take the coordinates: every step fails
    const float z = static_cast<float>(zoom_);
    canvas.setScale(-z, z, z, -z); // a refused scale leaves the previous one
    canvas.line(-z, 0, z, 0);
    canvas.line(0, -z, 0, z);
}

// ---- Commands --------------------------------------------------------------

void Form::readCoefficients() {
    for (int box = 0; box < kBoxCount; ++box) {
        const std::size_t i = index(box);
        exactCoef_[i] = ExactValue();
        if (exactValues_) {
            if (const std::optional<ExactReading> exact = readExact(boxes_[i])) {
                coef_[i] = exact->nearest;
                exactCoef_[i] = exact->value;
                continue;
            }
        }
        if (const std::optional<double> value = numval(boxes_[i]))
            coef_[i] = *value;
    }
}

Real Form::coefficient(int box) const {
    return {coef_[index(box)], exactCoef_[index(box)]};
}

Real Form::readX() const {
    if (exactValues_) {
        if (const std::optional<ExactReading> exact = readExact(xText_))
            return {exact->nearest, exact->value};
    }
    return Real(numval(xText_).value_or(0.0));
}

void Form::plot() {
    readCoefficients();
    const Real omega = coefficient(1);
    // The exact π joins only exact inputs: decimal mode computes no exact value.
    const Real pi = exactValues_ ? Real{kPi, ExactValue::pi()} : Real(kPi);
    periodic_.period = fabs(2 * pi / omega);
    loadscale();
    periodic_.qperiod = pi / (2 * omega);
    periodic_.shift = coefficient(2) / omega;
    periodic_.speriod = 2 * pi / omega;
    periodic_.hperiod = pi / omega;

    const std::optional<double> zoomRead = numval(zoomText_);
    const bool zoomOk = zoomRead && *zoomRead > 0;
    if (zoomOk) {
        if (const FamilyDescription* info = familyDescription(family_)) {
            PlotContext context(coef_, zoom_, absmode_, periodic_, canvas_, list_,
                                exactValues_ ? &exactCoef_ : nullptr);
            std::vector<MarkedLine> marked;
            context.collectMarks(marked, rows_);
            if (plotFamily(*info, context)) {
                plotted_ = true;
                drawn_.push_back({family_, absmode_, coef_});
                redrawn_.add(drawn_.back());
            }
            rows_ += context.appended();
            for (MarkedLine& line : marked) {
                line.curve = {family_, absmode_, coef_};
                marked_.push_back(std::move(line));
            }
        }
    } else {
        formula_ = std::string(kZoomError);
    }

    if (coefficientsInvalid()) {
        canvas_.clear();
        drawn_.clear();
        redrawn_.clear();
        loadscale();
        formula_ = std::string(kNotAFunction);
        plotted_ = false;
    }
    // The zoom message stays until something restores the template; a plot
    // whose zoom is fine is one of those.
    if (zoomOk && formula_ == kZoomError)
        loadformula();
}

bool Form::coefficientsInvalid() const {
    const FamilyDescription* info = familyDescription(family_);
    return info && !info->valid(coef_);
}

void Form::replot() {
    canvas_.clear();
    drawn_.clear();
    redrawn_.clear();
    list_.clear();
    marked_.clear();
    rows_ = 0;
    loadscale();
    plot();
}

void Form::clearAll() {
    plotted_ = false;
    canvas_.clear();
    drawn_.clear();
    redrawn_.clear();
    for (int box = 0; box < kBoxCount; ++box)
        setBoxText(box, "");
    xText_.clear();
    loadcoordinates();
    loadformula();
    list_.clear();
    marked_.clear();
    rows_ = 0;
}

bool Form::wheelZoom(int notches) {
    std::optional<double> target;
    for (int notch = 0; notch < std::abs(notches); ++notch) {
        const std::optional<double> next = zoomStep(target.value_or(zoom_), notches > 0 ? -1 : 1);
        if (!next)
            break;
        target = next;
    }
    if (!target)
        return false;
    setZoomText(numtext(*target));
    if (const std::optional<double> read = numval(zoomText_))
        zoom_ = *read; // as the plot reads the zoom box
    redrawArea(canvas_);
    // Curves too old to be drawn again are no longer on the area: no trace or
    // mark stands on them.
    if (redrawn_.takeDropped()) {
        drawn_.erase(std::remove_if(drawn_.begin(), drawn_.end(),
                                    [this](const DrawnCurve& c) { return !redrawn_.holds(c); }),
                     drawn_.end());
    }
    return true;
}

void Form::redrawArea(Canvas& canvas) const {
    canvas.clear();
    drawAxes(canvas);
    for (const DrawnCurve& curve : redrawn_.curves())
        redraw(curve, canvas);
}

// The curve alone, at the zoom in use; its lines are in the list already.
void Form::redraw(const DrawnCurve& curve, Canvas& canvas) const {
    const FamilyDescription* info = familyDescription(curve.family);
    if (!info)
        return;
    const PeriodicValues unused; // only the lines read them
    NoLines none;
    PlotContext context(curve.coef, zoom_, curve.absmode, unused, canvas, none);
    info->sample(context, curve.absmode);
}

void Form::evaluate() {
    // Every box, box 3 included, reads as it does for the plot it describes.
    readCoefficients();
    const Real x = readX();
    ResultLine line;
    line << piece::kIndent << "[ x = " << Num{x} << " ] y = ";
    if (!plotted_)
        return;
    const FamilyDescription* info = familyDescription(family_);
    if (!info)
        return;
    const RealCoefficients coef{coefficient(0), coefficient(1), coefficient(2), coefficient(3)};
    const std::optional<Real> y = valueInMode(*info, absmode_, coef, x);
    if (!y)
        return;
    line << Num{*y};
    if (!line.valid())
        return;
    if (exactValues_)
        list_.appendExact(line.text(), line.decimalText());
    else
        list_.append(line.text());
    ++rows_;
}

} // namespace oltrave
