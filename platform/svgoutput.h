#pragma once

#include <functional>

class QPainter;
class QSize;
class QString;

namespace oltrave {

// Paints a picture on a painter whose device is as large as the picture.
using PicturePainter = std::function<void(QPainter& painter)>;

// Writing SVG pictures through Qt SVG. It lives in a module of its own
// (oltrave-svg.so) so the toolkit's SVG library is loaded only when a person
// first exports a picture as SVG, not at every start.
struct SvgModuleTable {
    // Writes the picture, size pixels large, to the file at path; false when
    // the file could not be written.
    bool (*write)(const QString& path, const QSize& size, const PicturePainter& paint);
};

} // namespace oltrave
