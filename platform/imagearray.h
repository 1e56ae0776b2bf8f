#pragma once

#include <QFile>
#include <QImage>
#include <QTextStream>

namespace oltrave {

// Writes a picture as a C++ header the program draws without reading or
// drawing the picture at start: in namespace space, the constants given, then
// the picture's kWidth, kHeight, kBytesPerLine, kFormat and its bytes as
// kPixels. A null picture has kWidth 0. For the build's own tools.
inline bool writeImageArray(const QString& path, const QString& comment, const char* space,
                            const QString& constants, const QImage& image) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream header(&out);
    header << "// " << comment << "\n#pragma once\n\nnamespace " << space << " {\n\n"
           << constants << "inline constexpr int kWidth = " << image.width() << ";\n"
           << "inline constexpr int kHeight = " << image.height() << ";\n"
           << "inline constexpr int kBytesPerLine = " << image.bytesPerLine() << ";\n"
           << "inline constexpr int kFormat = " << static_cast<int>(image.format()) << ";\n"
           << "alignas(4) inline constexpr unsigned char kPixels[] = {";
    const uchar* bytes = image.constBits();
    for (qsizetype i = 0; i < image.sizeInBytes(); ++i)
        header << (i % 16 ? " " : "\n    ") << static_cast<int>(bytes[i]) << ',';
    // An array may not be empty.
    header << (image.isNull() ? "0" : "") << "\n};\n\n} // namespace " << space << '\n';
    header.flush();
    return out.error() == QFileDevice::NoError;
}

} // namespace oltrave
