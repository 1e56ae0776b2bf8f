// Writes one picture as a PNG: the icon theme needs fixed pixel sizes. Given
// OUT.h instead, writes it as a C++ array the program draws without reading
// the picture at start.
// Usage: oltrave-artrender PICTURE OUT.png|OUT.h [RATIO [SIDE]]

#include "art.h"

#include <QGuiApplication>
#include <QTextStream>

#include "platform/imagearray.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (args.size() < 3 || args.size() > 5) {
        err << "usage: oltrave-artrender PICTURE OUT.png|OUT.h [RATIO [SIDE]]\n";
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
    if (args.at(2).endsWith(QLatin1String(".h"))) {
        if (image.format() != QImage::Format_ARGB32_Premultiplied ||
            !oltrave::writeImageArray(args.at(2), QStringLiteral("Written by oltrave-artrender."),
                                      "oltrave::drawnart",
                                      QStringLiteral("inline constexpr char kPicture[] = \"%1\";\n"
                                                     "inline constexpr double kRatio = %2;\n")
                                          .arg(args.at(1))
                                          .arg(image.devicePixelRatio()),
                                      image)) {
            err << "cannot write " << args.at(2) << '\n';
            return 1;
        }
        return 0;
    }
    if (!image.save(args.at(2), "PNG")) {
        err << "cannot write " << args.at(2) << '\n';
        return 1;
    }
    return 0;
}
