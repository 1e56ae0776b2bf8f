#pragma once

namespace oltrave {

// How many characters each box of the main window takes; the command line
// cuts its box texts to the same limits.
inline constexpr int kCoefficientMaxLength = 7;
inline constexpr int kXMaxLength = 10;
inline constexpr int kZoomMaxLength = 5;

} // namespace oltrave
