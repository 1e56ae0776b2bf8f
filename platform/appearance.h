#pragma once

#include <QColor>
#include <QString>

namespace oltrave {

// The face every control asks for. Registers "Data/Font/Segoe UI Semibold.ttf"
// from appDir when it is there; otherwise falls back to Open Sans Semibold and
// then to the default sans. A missing or unreadable file is not an error.
QString registerProductFont(const QString& appDir);

// Background of the text boxes, the list and the plotting area.
QColor menuBarColour();

} // namespace oltrave
