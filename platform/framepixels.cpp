// Writes the group box frame's picture, as the toolkit's own PNG decodes, as
// a C++ array: the program then draws it without reading a PNG at start,
// which would make Qt look through every image plugin.
// Usage: oltrave-framepixels OUT.h
#include <QApplication>
#include <QImageReader>
#include <QStyle>
#include <QStyleFactory>
#include <QTextStream>

#include "imagearray.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The style's pictures are registered with its first instance.
    delete QStyleFactory::create(QStringLiteral("fusion"));
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: oltrave-framepixels OUT.h\n";
        return 2;
    }
    QImageReader reader(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    // Without the picture, kWidth is 0 and the program reads the PNG.
    if (!oltrave::writeImageArray(QString::fromLocal8Bit(argv[1]),
                                  QStringLiteral("Written by oltrave-framepixels from Qt ") +
                                      QStringLiteral(QT_VERSION_STR) + QLatin1Char('.'),
                                  "oltrave::framepixels", {}, image)) {
        err << "cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
