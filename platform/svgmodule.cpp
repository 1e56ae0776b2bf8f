// SVG pictures through Qt SVG, built as the module oltrave-svg.so.
#include <QPainter>
#include <QSvgGenerator>

#include "moduleversion.h"
#include "platform/svgoutput.h"

namespace oltrave {

namespace {

bool write(const QString& path, const QSize& size, const PicturePainter& paint) {
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    paint(painter);
    return painter.end();
}

const SvgModuleTable kTable{write};

} // namespace

} // namespace oltrave

extern "C" __attribute__((visibility("default")))
const oltrave::ModuleEntry oltrave_module{oltrave::kModuleStamp, &oltrave::kTable};
