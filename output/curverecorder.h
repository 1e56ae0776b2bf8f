#pragma once

#include <vector>

#include "model/canvas.h"

namespace oltrave {

// A point of a drawing as a fraction of the view: (0, 0) is the upper-left
// corner, (1, 1) the lower-right one. Kept in fractions because the plotting
// area keeps its pixels where they were drawn when the scale later changes;
// single precision is far finer than the tolerance and halves the memory
// a long session's curves take.
struct ViewPoint {
    float u, v;
};

// Records what the model draws as vector shapes for the exports: the lines
// as segments and each curve as polylines, broken where the sampled curve
// leaves the view or has no value, with the points a straight stretch does
// not need dropped as they arrive. Every point it keeps is a sampled point.
class CurveRecorder : public Canvas {
public:
    struct Segment {
        ViewPoint from, to;
    };
    struct Polyline {
        Colour colour;
        std::vector<ViewPoint> points; // one point: a lone dot
    };

    bool setScale(float x1, float y1, float x2, float y2) override;
    void clear() override;
    void line(float x1, float y1, float x2, float y2) override;
    void point(float x, float y, Colour colour) override;
    void points(const CanvasPoint* first, std::size_t count, Colour colour) override;

    // Where a point of the plane lies in the view, under the current scale.
    ViewPoint toView(double x, double y) const;

    // What was drawn since the last clear.
    const std::vector<Segment>& segments() const { return segments_; }
    const std::vector<Polyline>& polylines() const { return polylines_; }

    // The largest distance, as a fraction of the view, of a dropped point
    // from the polyline that replaces it.
    static constexpr double kTolerance = 1.0 / 40000;

private:
    struct Scale {
        double x1 = 0, y1 = 0, x2 = 1, y2 = 1;
    };
    // The point last received, drawn or not.
    struct Last {
        double x = 0;
        ViewPoint at{0, 0};
        bool inside = false;
        bool valid = false;
    };

    struct Direction {
        double x = 0, y = 0;
        double cross(const Direction& other) const;
    };
    // The directions, seen from the polyline's point before its last, in which
    // the next point may lie so that every point dropped since stays within
    // the tolerance.
    struct Cone {
        bool open = true; // no point narrowed it yet
        bool empty = false;
        Direction low, high; // its edges, low turning anticlockwise onto high
        bool holds(const Direction& d) const;
        void narrow(const Direction& d, double tolerance);
    };

    static bool inside(const ViewPoint& p);
    bool follows(double x) const;
    void add(const CanvasPoint& p, Colour colour);
    void startLine(Colour colour);
    void extend(const ViewPoint& p);
    void endLine();

    Scale scale_;
    // Worked out once per scale: view fractions per unit, and the widest
    // gap between samples of one stretch.
    double perX_ = 1, perY_ = 1, gap_ = 0;
    std::vector<Segment> segments_;
    std::vector<Polyline> polylines_;
    Last last_;
    bool open_ = false; // the last polyline still grows
    // Whether the polyline's last point may still be replaced.
    bool hasPending_ = false;
    Cone cone_;
};

} // namespace oltrave
