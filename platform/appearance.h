#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

namespace oltrave {

// The face every control asks for. Registers "Data/Font/Segoe UI Semibold.ttf"
// from appDir when it is there; otherwise falls back to Open Sans Semibold and
// then to the default sans. A missing or unreadable file is not an error.
QString registerProductFont(const QString& appDir);

// The face of the result list: the product face's regular weight, or Open
// Sans Regular, or the default sans. Never a semibold-only family, which would
// show semibold however normal the weight asked for.
QString regularFamily();

// Background of the text boxes, the list and the plotting area: the desktop's
// menu-bar colour, or the designed palette's when the desktop's is dark.
QColor menuBarColour();

// The window's pictures are light, so its texts must stay dark on light: the
// desktop's palette when it is so, otherwise the light palette of Qt's Fusion
// style.
QPalette designedPalette();

} // namespace oltrave
