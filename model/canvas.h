#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace oltrave {

// A colour in the packed form blue * 65536 + green * 256 + red.
struct Colour {
    std::uint32_t packed = 0;

    constexpr int red() const { return static_cast<int>(packed & 0xFF); }
    constexpr int green() const { return static_cast<int>((packed >> 8) & 0xFF); }
    constexpr int blue() const { return static_cast<int>((packed >> 16) & 0xFF); }
};

// Every sampled point of a curve is drawn in this colour (red 146, green 137, blue 249).
inline constexpr Colour kCurveColour{16353682};

// Whether a coordinate can reach the plotting surface: finite and within the
// single-precision range. Infinities and NaN fail the comparison.
inline bool fitsSinglePrecision(double v) {
    return std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max());
}

struct CanvasPoint {
    float x, y;
};

// The plotting surface. Coordinates are user units under the current scale and
// arrive as finite single-precision numbers; the model never hands over anything else.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Maps (x1, y1) to the upper-left and (x2, y2) to the lower-right corner.
    // Returns false, keeping the previous scale, when the corners cannot span an area.
    virtual bool setScale(float x1, float y1, float x2, float y2) = 0;
    virtual void clear() = 0;
    // A line in the default drawing colour.
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    virtual void point(float x, float y, Colour colour) = 0;
    // The same as point() for each in order; a surface may take a run of them faster.
    virtual void points(const CanvasPoint* first, std::size_t count, Colour colour) {
        for (std::size_t i = 0; i < count; ++i)
            point(first[i].x, first[i].y, colour);
    }
};

} // namespace oltrave
