#include "overlaycontroller.h"

#include <QAbstractItemView>
#include <algorithm>

#include "analysis/rowmarks.h"
#include "model/form.h"
#include "platform/canvaswidget.h"
#include "plotrecording.h"
#include "sound/curvesound.h"
#include "soundactions.h"

namespace oltrave {

OverlayController::OverlayController(Form& form, CanvasWidget& area, const QAbstractItemView& list,
                                     PlotRecording& recording, SoundActions& sound)
    : QObject(&area), form_(form), area_(area), list_(list), recording_(recording), sound_(sound) {}

Viewport OverlayController::viewport() const {
    const QSize size = area_.drawingSize();
    return {form_.zoom(), size.width(), size.height()};
}

void OverlayController::setKeyPoints(bool on) {
    overlay_.setKeyPoints(on);
    refreshMarks();
}

void OverlayController::setAnalysis(std::optional<Analysis> analysis,
                                    std::vector<int> selectedRows) {
    analysis_ = std::move(analysis);
    analysisRows_ = std::move(selectedRows);
    refreshMarks();
}

void OverlayController::refresh() {
    refreshMarks();
    refreshTrace();
}

void OverlayController::refreshMarks() {
    std::vector<int> rows;
    if (const QItemSelectionModel* selection = list_.selectionModel()) {
        for (const QModelIndex& index : selection->selectedIndexes())
            rows.push_back(index.row());
    }
    const Viewport view = viewport();
    PlotOverlay::Marks shown = overlay_.marks(form_.session(), view, rows);
    area_.setMarks(std::move(shown.marks), std::move(shown.stretches));

    PlotOverlay::Marks analysed;
    const std::vector<DrawnCurve>& curves = form_.session().curves();
    if (analysis_ && !curves.empty()) {
        const std::vector<MarkedLine> lines =
            analysisLinesShown(*analysis_, curves.back(), analysisRows_, overlay_.keyPoints());
        analysed = PlotOverlay::linesMarks(lines, view, analysisRows_);
    }
    area_.setOtherMarks(std::move(analysed.marks), std::move(analysed.stretches));
}

void OverlayController::refreshTrace() {
    const Viewport view = viewport();
    const std::optional<Readout> readout = overlay_.readout(view, form_.session());
    if (!readout) {
        area_.setTrace(std::nullopt);
        emit traceChanged();
        return;
    }
    CanvasWidget::TraceShown shown;
    shown.x = readout->x;
    // A value off the view still places the read-out at the nearer edge.
    const double margin = view.zoom * 1.1;
    shown.y = std::clamp(readout->y.value_or(0.0), -margin, margin);
    shown.dot = readout->onCurve && readout->y && view.inside(*readout->y);
    shown.text = QString::fromStdString(readout->text());
    area_.setTrace(shown);
    emit traceChanged();
}

void OverlayController::hover(QPoint pixel) {
    mousePixel_ = pixel;
    overlay_.hover(viewport(), pixel.x(), pixel.y());
    refreshTrace();
}

void OverlayController::leave() {
    mousePixel_.reset();
    overlay_.hide();
    refreshTrace();
}

void OverlayController::wheelZoom(int notches) {
    recording_.wheelZoom(form_, notches);
    // The mouse stays where it was, over another point of the plane.
    if (mousePixel_)
        overlay_.hover(viewport(), mousePixel_->x(), mousePixel_->y());
}

void OverlayController::move(Trace::Move move) {
    const Viewport view = viewport();
    const std::vector<Mark> landed = overlay_.move(move, view, form_.session());
    refreshTrace();
    const std::optional<DrawnCurve> curve = overlay_.tracedCurve(form_.session());
    if (!curve)
        return;
    const std::optional<Readout> readout = overlay_.readout(view, form_.session());
    if (!readout)
        return;
    // Landing on a mark cues what the sweep cues there: the curve's own key
    // points, in its mode, are the one source of every cue.
    const std::optional<sound::CueKind> cue =
        landed.empty() ? std::nullopt : sound::cueAt(*curve, view.zoom, readout->x);
    sound_.traceStep(*readout, cue, view.zoom);
}

std::optional<std::string> OverlayController::tracedX() const {
    if (const std::optional<Readout> readout = overlay_.readout(viewport(), form_.session()))
        return readout->xText;
    return std::nullopt;
}

} // namespace oltrave
