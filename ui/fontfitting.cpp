#include "fontfitting.h"

#include <QCryptographicHash>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "platform/settings.h"

namespace oltrave {

QFont semibold(const QString& face, qreal points) {
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(QFont::DemiBold);
    return font;
}

namespace {

// Where a fitted size is kept: one entry per face, size, texts, room and
// toolkit version, so that any of them changing fits afresh.
QString keptSizeKey(const QFont& font, const QStringList& texts, int room) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(font.toString().toUtf8());
    hash.addData(texts.join(QChar(0)).toUtf8());
    hash.addData(QByteArray::number(room));
    hash.addData(QByteArray(qVersion()));
    return QStringLiteral("fontFitting/") + QString::fromLatin1(hash.result().toHex());
}

} // namespace

QFont fitting(QFont font, const QStringList& texts, int room) {
    constexpr qreal kStep = 0.25;
    constexpr qreal kSmallest = 6;
    const QString key = keptSizeKey(font, texts, room);
    const auto widest = [&font, &texts](qreal points) {
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font);
        qreal most = 0;
        for (const QString& text : texts)
            most = std::max(most, metrics.horizontalAdvance(text));
        return most;
    };
    const qreal start = font.pointSizeF();
    // Each size tried costs a font engine at every start: a size found once
    // is kept, and only checked to still fit.
    bool known = false;
    const qreal kept = programSettings().value(key).toReal(&known);
    if (known && kept >= kSmallest && kept <= start && widest(kept) <= room) {
        font.setPointSizeF(kept);
        return font;
    }
    const qreal width = widest(start);
    if (width <= room || start <= kSmallest) {
        rememberSetting(key, start); // not kept is only slower next time
        return font;
    }
    // Each size costs a font engine: start where widths in proportion to the
    // size would fit, then step, as hinting makes them only nearly proportional.
    const qreal steps = std::max(std::ceil((start - start * room / width) / kStep), 1.0);
    qreal points = std::max(start - steps * kStep, kSmallest);
    while (points + kStep < start && widest(points + kStep) <= room)
        points += kStep;
    while (points > kSmallest && widest(points) > room)
        points -= kStep;
    font.setPointSizeF(points);
    rememberSetting(key, points);
    return font;
}

} // namespace oltrave
