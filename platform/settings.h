#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

namespace oltrave {

// Where the person's choices are kept between runs.
inline QSettings programSettings() {
    return QSettings(QStringLiteral("Oltrave"), QStringLiteral("Oltrave"));
}

// Keeps value under key for the next runs. Returns an empty string when it was
// kept, otherwise why not: the store cannot be written (a folder in its place,
// read-only, a full disk), or it holds a value this program cannot read, which
// writing the store again would turn into an empty one; the store is then
// left as it is.
QString rememberSetting(const QString& key, const QVariant& value);

} // namespace oltrave
