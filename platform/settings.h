#pragma once

#include <QSettings>

namespace oltrave {

// Where the person's choices are kept between runs.
inline QSettings programSettings() {
    return QSettings(QStringLiteral("Oltrave"), QStringLiteral("Oltrave"));
}

} // namespace oltrave
