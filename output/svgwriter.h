#pragma once

#include <QColor>
#include <QSize>
#include <vector>

#include "overlay/keypoints.h"

class QIODevice;

namespace oltrave {

class CurveRecorder;

// Writes a recorded drawing as an SVG picture of size pixels: the background,
// the lines as lines, each curve as polylines, then the marks as circles and
// dashed lines. False when the device refused a write.
bool writeSvg(QIODevice& device, const CurveRecorder& drawing, const QSize& size,
              const QColor& background, const QColor& ink,
              const std::vector<MarkInstance>& marks = {});

} // namespace oltrave
