#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace oltrave {

// Where and in which format a picture is saved, from the name a person chose:
// the suffix names the format (any the Qt image writer offers, in any case);
// a name without one gets ".png" and PNG.
struct ImageTarget {
    QString path;
    QByteArray format;
    QString error; // set when the suffix names no format the writer offers
};
ImageTarget imageTarget(const QString& chosen);

// The suffixes the image writer can write, lower case, sorted.
QStringList writableImageSuffixes();

// For a file dialog: PNG first, then every type that can be written.
QStringList imageNameFilters();

} // namespace oltrave
