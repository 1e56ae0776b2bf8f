#include "plottrace.h"

#include <QLabel>
#include <QListWidget>

#include "output/gridpainter.h"
#include "plotview.h"

namespace oltrave {

PlotTrace::PlotTrace(PlotView& view, QListWidget& legend, QLabel& readout, MarkXs markXs)
    : QObject(&view), view_(view), legend_(legend), readout_(readout), markXs_(std::move(markXs)) {
    connect(&legend, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        trace_.choose(static_cast<std::size_t>(row), curves_.size());
        // Chosen before any click: the trace starts in the middle.
        if (!trace_.shown())
            trace_.place(view_.view(), view_.view().width / 2);
        refresh();
    });
    connect(&view, &PlotView::clicked, this, [this](QPointF pixel) {
        trace_.place(view_.view(), pixel.x());
        refresh();
    });
    connect(&view, &PlotView::traceKey, this, [this](Trace::Move move) {
        const std::optional<std::size_t> curve = trace_.curve(curves_.size());
        trace_.move(move, view_.view(), curves_.size(),
                    curve ? markXs_(*curve) : std::vector<double>{});
        refresh();
    });
    connect(&view, &PlotView::viewChanged, this, &PlotTrace::refresh);
}

void PlotTrace::setCurves(std::vector<DrawnCurve> curves, std::vector<bool> hidden) {
    curves_ = std::move(curves);
    hidden_ = std::move(hidden);
    if (curves_.empty())
        trace_.hide();
    refresh();
}

QString PlotTrace::readoutText() const {
    return readout_.text();
}

void PlotTrace::refresh() {
    const std::optional<std::size_t> curve = trace_.curve(curves_.size());
    // The legend shows which curve the keys chose.
    if (trace_.shown() && curve && legend_.currentRow() != static_cast<int>(*curve))
        legend_.setCurrentRow(static_cast<int>(*curve));
    std::optional<Readout> readout;
    if (curve && !hidden_[*curve])
        readout = trace_.readout(view_.view(), curves_);
    if (!readout) {
        readout_.clear();
        view_.setAccessibleDescription(QString());
        view_.setTracePoint(std::nullopt);
        return;
    }
    const QString text = QString::fromStdString(readout->text());
    readout_.setText(text);
    view_.setAccessibleDescription(text);
    view_.setTracePoint(
        PlotView::TracePoint{readout->x, readout->y, curvePaletteColour(static_cast<int>(*curve))});
}

} // namespace oltrave
