// Writes one picture as a PNG: the icon theme needs fixed pixel sizes. Given
// OUT.h instead, writes it as a C++ array the program draws without reading
// the picture at start.
// Usage: oltrave-artrender PICTURE OUT.png|OUT.h [RATIO [SIDE]]

#include "art.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool writeArray(const QImage& image, const QString& picture, const QString& path) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream header(&out);
    header << "// Written by oltrave-artrender.\n#pragma once\n\nnamespace oltrave::drawnart {\n\n"
           << "inline constexpr char kPicture[] = \"" << picture << "\";\n"
           << "inline constexpr int kWidth = " << image.width() << ";\n"
           << "inline constexpr int kHeight = " << image.height() << ";\n"
           << "inline constexpr int kBytesPerLine = " << image.bytesPerLine() << ";\n"
           << "inline constexpr double kRatio = " << image.devicePixelRatio() << ";\n"
           << "alignas(4) inline constexpr unsigned char kPixels[] = {";
    const uchar* bytes = image.constBits();
    for (qsizetype i = 0; i < image.sizeInBytes(); ++i)
        header << (i % 16 ? " " : "\n    ") << static_cast<int>(bytes[i]) << ',';
    header << "\n};\n\n} // namespace oltrave::drawnart\n";
    header.flush();
    return out.error() == QFileDevice::NoError;
}

} // namespace

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
            !writeArray(image, args.at(1), args.at(2))) {
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
