#include "plotoverlay.h"

namespace oltrave {

PlotOverlay::Marks PlotOverlay::marks(const Session& session, const Viewport& view,
                                      const std::vector<int>& selectedRows) const {
    if (!keyPoints_)
        return {};
    const std::vector<MarkedLine> lines = session.markedLinesOn(session.curves(), selectedRows);
    return {marksInView(lines, view.zoom, selectedRows),
            selectedStretches(lines, selectedRows, view)};
}

PlotOverlay::Marks PlotOverlay::linesMarks(const std::vector<MarkedLine>& lines,
                                           const Viewport& view,
                                           const std::vector<int>& selectedRows) {
    return {marksInView(lines, view.zoom, selectedRows),
            selectedStretches(lines, selectedRows, view)};
}

std::optional<DrawnCurve> PlotOverlay::tracedCurve(const Session& session) const {
    const std::vector<DrawnCurve>& curves = session.curves();
    if (const std::optional<std::size_t> traced = trace_.curve(curves.size()))
        return curves[*traced];
    return std::nullopt;
}

std::vector<MarkInstance> PlotOverlay::tracedMarks(const Session& session,
                                                   const Viewport& view) const {
    const std::optional<DrawnCurve> traced = tracedCurve(session);
    const double zoom = view.zoom;
    if (!traced || !(zoom > 0))
        return {};
    return curveMarksInView(session.markedLinesOn({*traced}), *traced, {-zoom, zoom, -zoom, zoom});
}

std::vector<Mark> PlotOverlay::move(Trace::Move move, const Viewport& view,
                                    const Session& session) {
    const std::vector<MarkInstance> marks = tracedMarks(session, view);
    trace_.move(move, view, session.curves().size(), markXs(marks));
    std::vector<Mark> landed;
    if (move != Trace::Move::PreviousMark && move != Trace::Move::NextMark)
        return landed;
    // The trace stands on the very x of the marks it visits.
    for (const MarkInstance& mark : marks) {
        if (mark.shape != MarkShape::Horizontal && mark.x == trace_.x())
            landed.push_back({mark.kind, mark.shape, mark.x, mark.y, 0, mark.y});
    }
    return landed;
}

} // namespace oltrave
