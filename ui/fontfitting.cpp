#include "fontfitting.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace oltrave {

QFont semibold(const QString& face, qreal points) {
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(QFont::DemiBold);
    return font;
}

QFont fitting(QFont font, const QStringList& texts, int room) {
    constexpr qreal kStep = 0.25;
    constexpr qreal kSmallest = 6;
    const auto widest = [&font, &texts](qreal points) {
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font);
        qreal most = 0;
        for (const QString& text : texts)
            most = std::max(most, metrics.horizontalAdvance(text));
        return most;
    };
    const qreal start = font.pointSizeF();
    const qreal width = widest(start);
    if (width <= room || start <= kSmallest)
        return font;
    // Each size costs a font engine: start where widths in proportion to the
    // size would fit, then step, as hinting makes them only nearly proportional.
    const qreal steps = std::max(std::ceil((start - start * room / width) / kStep), 1.0);
    qreal points = std::max(start - steps * kStep, kSmallest);
    while (points + kStep < start && widest(points + kStep) <= room)
        points += kStep;
    while (points > kSmallest && widest(points) > room)
        points -= kStep;
    font.setPointSizeF(points);
    return font;
}

} // namespace oltrave
