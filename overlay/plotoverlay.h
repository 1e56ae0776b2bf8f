#pragma once

#include <optional>
#include <vector>

#include "keypoints.h"
#include "model/session.h"
#include "trace.h"

namespace oltrave {

// What the plotting area draws over the curves: the key points' marks, the
// stretches the selected lines name and the trace, worked out from the
// session and the view. A window passes its events in and shows the results.
class PlotOverlay {
public:
    struct Marks {
        std::vector<MarkInstance> marks;
        std::vector<CanvasPoint> stretches;
    };

    void setKeyPoints(bool on) { keyPoints_ = on; }
    bool keyPoints() const { return keyPoints_; }
    // With key points on, the marks of the lines on the curves still drawn,
    // those of the selected rows highlighted, and the stretches of the
    // selected interval lines; nothing with them off.
    Marks marks(const Session& session, const Viewport& view,
                const std::vector<int>& selectedRows) const;

    // Other lines drawn over the curves (the analysis rows'): their marks in
    // the view, the selected rows' highlighted with their stretches.
    static Marks linesMarks(const std::vector<MarkedLine>& lines, const Viewport& view,
                            const std::vector<int>& selectedRows);

    // The trace follows the mouse over the pixel (column, row).
    void hover(const Viewport& view, int column, int row) { trace_.hover(view, column, row); }
    void hide() { trace_.hide(); }
    // Moves the trace. Page Up and Page Down visit the traced curve's marks in
    // the view, by x; the marks where such a move leaves the trace come back
    // (each instance as a single mark), nothing for the other moves.
    std::vector<Mark> move(Trace::Move move, const Viewport& view, const Session& session);
    std::optional<Readout> readout(const Viewport& view, const Session& session) const {
        return trace_.readout(view, session.curves());
    }
    // The traced curve; none while no curve is drawn.
    std::optional<DrawnCurve> tracedCurve(const Session& session) const;
    // The marks of the traced curve inside the view, whatever key points show.
    std::vector<MarkInstance> tracedMarks(const Session& session, const Viewport& view) const;

private:
    Trace trace_;
    bool keyPoints_ = false;
};

} // namespace oltrave
