#pragma once

#include <QFont>
#include <QStringList>

namespace oltrave {

// The window's captions: the product face, semibold, at the given size.
QFont semibold(const QString& face, qreal points);

// The layout was made for a narrower face: texts that would not fit their
// room get the largest smaller size, in quarter points, at which all fit.
QFont fitting(QFont font, const QStringList& texts, int room);

} // namespace oltrave
