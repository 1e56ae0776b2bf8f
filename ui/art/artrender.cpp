// Writes one picture as a PNG: the icon theme needs fixed pixel sizes.
// Usage: oltrave-artrender PICTURE OUT.png [RATIO [SIDE]]

#include "art.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (args.size() < 3 || args.size() > 5) {
        err << "usage: oltrave-artrender PICTURE OUT.png [RATIO [SIDE]]\n";
        return 2;
    }
    const qreal ratio = args.size() > 3 ? args.at(3).toDouble() : 1.0;
    if (!(ratio > 0)) {
        err << "RATIO must be a positive number\n";
        return 2;
    }
    QSize size; // the picture's own
    if (args.size() > 4) {
        const int side = args.at(4).toInt();
        if (side <= 0) {
            err << "SIDE must be a positive number of pixels\n";
            return 2;
        }
        size = QSize(side, side);
    }
    const QImage image = oltrave::renderArt(args.at(1), ratio, size);
    if (image.isNull()) {
        err << "cannot read " << args.at(1) << '\n';
        return 1;
    }
    if (!image.save(args.at(2), "PNG")) {
        err << "cannot write " << args.at(2) << '\n';
        return 1;
    }
    return 0;
}
