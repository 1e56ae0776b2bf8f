#pragma once

#include <QColor>
#include <QSize>
#include <vector>

#include "overlay/keypoints.h"

class QIODevice;

namespace oltrave {

class CurveRecorder;
struct PlotGrid;

// Writes a recorded drawing as an SVG picture of size pixels: the background,
// the lines as lines, each curve as polylines, then the marks as circles and
// dashed lines. A grid, when given, goes under the lines with its labels.
// False when the device refused a write.
bool writeSvg(QIODevice& device, const CurveRecorder& drawing, const QSize& size,
              const QColor& background, const QColor& ink,
              const std::vector<MarkInstance>& marks = {}, const PlotGrid* grid = nullptr);

} // namespace oltrave
