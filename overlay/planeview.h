#pragma once

#include <cmath>

namespace oltrave {

// The part of the plane a view shows.
struct PlaneRegion {
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;
};

// What a resizable plot shows: the plane point at its centre and the plane
// units one pixel stands for each way, over width x height pixels. Pixel (0,
// 0) is the upper-left corner; y grows upwards in the plane.
struct PlaneView {
    double centreX = 0;
    double centreY = 0;
    double unitX = 0.05; // plane units per pixel
    double unitY = 0.05;
    double width = 400;
    double height = 400;

    double xAt(double px) const { return centreX + (px - width / 2) * unitX; }
    double yAt(double py) const { return centreY - (py - height / 2) * unitY; }
    double pixelX(double x) const { return width / 2 + (x - centreX) / unitX; }
    double pixelY(double y) const { return height / 2 - (y - centreY) / unitY; }
    double left() const { return xAt(0); }
    double right() const { return xAt(width); }
    double bottom() const { return yAt(height); }
    double top() const { return yAt(0); }
    PlaneRegion region() const { return {left(), right(), bottom(), top()}; }

    // ±reach both ways fits: with equal units the shorter side shows it and
    // the longer one more; otherwise each side shows exactly ±reach.
    void home(double reach, bool equalUnits) {
        centreX = centreY = 0;
        unitX = 2 * reach / width;
        unitY = 2 * reach / height;
        if (equalUnits)
            unitX = unitY = std::fmax(unitX, unitY);
    }
    void resize(double w, double h) {
        width = w;
        height = h;
    }
    // Dragging by (dx, dy) pixels moves the plane with the pointer.
    void pan(double dx, double dy) {
        centreX -= dx * unitX;
        centreY += dy * unitY;
    }
    // Zooms by factor (above 1 shows more) keeping the plane point under
    // pixel (px, py) where it is.
    void zoomAbout(double px, double py, double factor) {
        const double x = xAt(px);
        const double y = yAt(py);
        unitX *= factor;
        unitY *= factor;
        centreX = x - (px - width / 2) * unitX;
        centreY = y + (py - height / 2) * unitY;
    }
    bool usable() const {
        return width > 0 && height > 0 && unitX > 0 && unitY > 0 && std::isfinite(unitX) &&
               std::isfinite(unitY) && std::isfinite(centreX) && std::isfinite(centreY);
    }
};

} // namespace oltrave
