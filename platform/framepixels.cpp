// Writes the group box frame's picture, as the toolkit's own PNG decodes, as
// a C++ array: the program then draws it without reading a PNG at start,
// which would make Qt look through every image plugin.
// Usage: oltrave-framepixels OUT.h
#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QStyle>
#include <QStyleFactory>
#include <QTextStream>

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
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        err << "cannot write " << argv[1] << '\n';
        return 1;
    }
    // Without the picture, the header says so and the program reads the PNG.
    QTextStream header(&out);
    header << "// Written by oltrave-framepixels from Qt " << QT_VERSION_STR << ".\n"
           << "#pragma once\n\nnamespace oltrave::framepixels {\n\n"
           << "inline constexpr int kWidth = " << image.width() << ";\n"
           << "inline constexpr int kHeight = " << image.height() << ";\n"
           << "inline constexpr int kBytesPerLine = " << image.bytesPerLine() << ";\n"
           << "inline constexpr int kFormat = " << static_cast<int>(image.format()) << ";\n"
           << "alignas(4) inline constexpr unsigned char kPixels[] = {";
    const uchar* bytes = image.constBits();
    for (qsizetype i = 0; i < image.sizeInBytes(); ++i)
        header << (i % 16 ? " " : "\n    ") << static_cast<int>(bytes[i]) << ',';
    // An array may not be empty.
    header << (image.isNull() ? "0" : "") << "\n};\n\n} // namespace oltrave::framepixels\n";
    header.flush();
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
