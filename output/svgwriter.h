#pragma once

#include <QColor>
#include <QSize>

class QIODevice;

namespace oltrave {

class CurveRecorder;

// Writes a recorded drawing as an SVG picture of size pixels: the background,
// the lines as lines and each curve as polylines. False when the device
// refused a write.
bool writeSvg(QIODevice& device, const CurveRecorder& drawing, const QSize& size,
              const QColor& background, const QColor& ink);

} // namespace oltrave
