#include "form.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "exact/exactreader.h"
#include "numtext.h"
#include "zoomseries.h"

namespace oltrave {

Form::Form(Canvas& canvas, Session& session) : canvas_(canvas), session_(session) {}

std::string_view Form::formulaLabel() const {
    const Status status = session_.status();
    return inChosenLanguage(status == Status::Ok ? std::string_view(formula_) : statusText(status));
}

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
    session_.setStatus(Status::Ok);
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

void Form::clickMode(AbsMode mode) {
    if (modesEnabled_)
        selectMode(mode);
}

void Form::selectMode(AbsMode mode) {
    if (knownMode(mode))
        absmode_ = mode;
}

void Form::llabsready(int lock) {
    if (lock == 0) {
        modesEnabled_ = true;
    } else if (lock == 1) {
        selectMode(AbsMode::Plain);
        modesEnabled_ = false;
    }
}

void Form::loadformula() {
    if (const FamilyDescription* info = familyDescription(family_)) {
        formula_ = std::string(info->formulaTemplate);
        session_.setStatus(Status::Ok);
    }
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
    if (session_.status() == Status::ZoomError)
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
    area_.push_back({AreaStroke::Kind::Axes, zoom_, {}});
    drawAxes(canvas_, zoom_);
}

void Form::drawAxes(Canvas& canvas, double zoom) {
    if (!fitsSinglePrecision(zoom))
        return; // the canvas cannot take the coordinates: every step fails
    const float z = static_cast<float>(zoom);
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

void Form::run(FormCommand command) {
    switch (command) {
    case FormCommand::Plot: plot(); return;
    case FormCommand::Replot: replot(); return;
    case FormCommand::Evaluate: evaluate(); return;
    case FormCommand::ClearAll: clearAll(); return;
    }
}

void Form::plot() {
    const Session::Hold announceOnce(session_);
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
            const DrawnCurve curve{family_, absmode_, coef_, exactCoef_};
            PlotContext context(coef_, zoom_, absmode_, periodic_, canvas_, &session_,
                                exactValues_ ? &exactCoef_ : nullptr, curve);
            area_.push_back({AreaStroke::Kind::Curve, zoom_, curve});
            if (plotFamily(*info, context)) {
                plotted_ = true;
                session_.addCurve(curve);
                redrawn_.add(curve);
            }
        }
    } else {
        session_.setStatus(Status::ZoomError);
    }

    if (coefficientsInvalid()) {
        clearArea();
        session_.clearCurves();
        redrawn_.clear();
        loadscale();
        session_.setStatus(Status::NotAFunction);
        plotted_ = false;
    }
    // The zoom message stays until something restores the template; a plot
    // whose zoom is fine is one of those.
    if (zoomOk && session_.status() == Status::ZoomError)
        loadformula();
    session_.areaRedrawn();
}

bool Form::coefficientsInvalid() const {
    const FamilyDescription* info = familyDescription(family_);
    return info && !info->valid(coef_);
}

void Form::replot() {
    const Session::Hold announceOnce(session_);
    clearArea();
    session_.clearCurves();
    redrawn_.clear();
    session_.clearLines();
    loadscale();
    plot();
}

void Form::clearAll() {
    plotted_ = false;
    clearArea();
    session_.clearCurves();
    redrawn_.clear();
    for (int box = 0; box < kBoxCount; ++box)
        setBoxText(box, "");
    xText_.clear();
    loadcoordinates();
    loadformula();
    session_.clearLines();
    session_.areaRedrawn();
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
    keepAreaBefore();
    area_.assign(1, {AreaStroke::Kind::Axes, zoom_, {}});
    for (const DrawnCurve& curve : redrawn_.curves())
        area_.push_back({AreaStroke::Kind::Curve, zoom_, curve});
    // Curves too old to be drawn again are no longer on the area: no trace or
    // mark stands on them.
    if (redrawn_.takeDropped())
        session_.keepCurves([this](const DrawnCurve& c) { return redrawn_.holds(c); });
    session_.areaRedrawn();
    return true;
}

void Form::redrawArea(Canvas& canvas) const {
    canvas.clear();
    drawAxes(canvas, zoom_);
    for (const DrawnCurve& curve : redrawn_.curves())
        redraw(curve, zoom_, canvas);
}

void Form::clearArea() {
    canvas_.clear();
    keepAreaBefore();
    area_.clear();
}

void Form::keepAreaBefore() {
    // Until now strokes were only appended: the first ones are as they were.
    if (areaCapture_ && !areaCapture_->before)
        areaCapture_->before.emplace(
            area_.begin(), area_.begin() + static_cast<std::ptrdiff_t>(areaCapture_->atStart));
}

Form::AreaCapture Form::endAreaCapture() {
    AreaCapture captured = areaCapture_ ? std::move(*areaCapture_) : AreaCapture{area_.size(), {}};
    areaCapture_.reset();
    return captured;
}

// The curve alone, at the zoom in use; its lines are in the list already.
void Form::redraw(const DrawnCurve& curve, double zoom, Canvas& canvas) {
    const FamilyDescription* info = familyDescription(curve.family);
    if (!info)
        return;
    const PeriodicValues unused; // only the lines read them
    PlotContext context(curve.coef, zoom, curve.absmode, unused, canvas, nullptr);
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
    session_.append(line, exactValues_);
}

} // namespace oltrave
