#include "imageformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

namespace oltrave {

QStringList writableImageSuffixes() {
    QStringList suffixes;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        suffixes << QString::fromLatin1(format).toLower();
    suffixes.removeDuplicates();
    suffixes.sort();
    return suffixes;
}

ImageTarget imageTarget(const QString& chosen) {
    const QString name = QFileInfo(chosen).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // A leading dot starts a hidden name, not a suffix.
    const QString suffix = dot > 0 ? name.mid(dot + 1).toLower() : QString();
    if (suffix.isEmpty()) {
        const QString path = chosen.endsWith(QLatin1Char('.')) ? chosen + QLatin1String("png")
                                                               : chosen + QLatin1String(".png");
        return {path, QByteArrayLiteral("png"), {}};
    }
    const QStringList known = writableImageSuffixes();
    if (!known.contains(suffix)) {
        return {
            chosen,
            {},
            QCoreApplication::translate("oltrave::ImageFormat",
                                        "%1: no image type has the suffix \".%2\"; the types "
                                        "that can be written are: %3")
                .arg(QDir::toNativeSeparators(chosen), suffix, known.join(QStringLiteral(", ")))};
    }
    return {chosen, suffix.toLatin1(), {}};
}

QStringList imageNameFilters() {
    QStringList patterns;
    for (const QString& suffix : writableImageSuffixes())
        patterns << QStringLiteral("*.") + suffix;
    return {QCoreApplication::translate("oltrave::ImageFormat", "PNG image (*.png)"),
            QCoreApplication::translate("oltrave::ImageFormat", "All image types (%1)")
                .arg(patterns.join(QLatin1Char(' ')))};
}

} // namespace oltrave
