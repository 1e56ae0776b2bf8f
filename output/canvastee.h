#pragma once

#include "model/canvas.h"

namespace oltrave {

// Hands every drawing call to two canvases: what the window shows, and the
// recording its exports are made from. While the second is held back, only
// the first draws; whoever holds it back brings it up to date later.
class CanvasTee : public Canvas {
public:
    CanvasTee(Canvas& first, Canvas& second) : first_(first), second_(second) {}

    void holdBackSecond(bool held) { held_ = held; }

    bool setScale(float x1, float y1, float x2, float y2) override {
        const bool accepted = first_.setScale(x1, y1, x2, y2);
        if (!held_)
            second_.setScale(x1, y1, x2, y2);
        return accepted;
    }
    void clear() override {
        first_.clear();
        if (!held_)
            second_.clear();
    }
    void line(float x1, float y1, float x2, float y2) override {
        first_.line(x1, y1, x2, y2);
        if (!held_)
            second_.line(x1, y1, x2, y2);
    }
    void point(float x, float y, Colour colour) override {
        first_.point(x, y, colour);
        if (!held_)
            second_.point(x, y, colour);
    }
    void points(const CanvasPoint* first, std::size_t count, Colour colour) override {
        first_.points(first, count, colour);
        if (!held_)
            second_.points(first, count, colour);
    }

private:
    Canvas& first_;
    Canvas& second_;
    bool held_ = false;
};

} // namespace oltrave
