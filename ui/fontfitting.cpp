#include "fontfitting.h"

#include <QCryptographicHash>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/captionfaces.h"
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

// What a kept size is checked against, so that a later start need not measure
// every text again: the face's own file, through its header, and the width of
// the widest text at that size, which moves with the screen's resolution and
// the hinting. Texts measure the same only with the same file, size and
// rendering.
QString keptValue(const QFont& font, const QStringList& texts, int widest) {
    const QByteArray head = captionfaces::rawFont(font).fontTable("head");
    const qreal width = captionfaces::advance(font, texts[widest]);
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QString::number(font.pointSizeF(), 'g', 17), QString::number(widest),
             QString::number(width, 'g', 17),
             QString::fromLatin1(QCryptographicHash::hash(head, QCryptographicHash::Sha1).toHex()));
}

// The kept size when the font still measures as it did; none otherwise.
std::optional<qreal> keptSize(const QFont& font, const QStringList& texts, const QString& kept,
                              qreal smallest) {
    const QStringList parts = kept.split(QLatin1Char(' '));
    if (parts.size() != 4)
        return std::nullopt;
    bool sized = false;
    bool indexed = false;
    const qreal points = parts[0].toDouble(&sized);
    const int widest = parts[1].toInt(&indexed);
    if (!sized || !indexed || points < smallest || points > font.pointSizeF() || widest < 0 ||
        widest >= texts.size())
        return std::nullopt;
    QFont sizedFont = font;
    sizedFont.setPointSizeF(points);
    if (keptValue(sizedFont, texts, widest) != kept)
        return std::nullopt;
    return points;
}

} // namespace

QFont fitting(QFont font, const QStringList& texts, int room) {
    constexpr qreal kStep = 0.25;
    constexpr qreal kSmallest = 6;
    if (texts.isEmpty())
        return font;
    const QString key = keptSizeKey(font, texts, room);
    int widestText = 0;
    const auto widest = [&font, &texts, &widestText](qreal points) {
        font.setPointSizeF(points);
        qreal most = 0;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const qreal width = captionfaces::advance(font, texts[i]);
            if (width > most) {
                most = width;
                widestText = static_cast<int>(i);
            }
        }
        return most;
    };
    const qreal start = font.pointSizeF();
    // Each size tried costs a font engine at every start: a size found once
    // is kept, with what shows that it still fits.
    if (const std::optional<qreal> kept =
            keptSize(font, texts, programSettings().value(key).toString(), kSmallest)) {
        font.setPointSizeF(*kept);
        return font;
    }
    // Not kept is only slower next time.
    const auto keep = [&] { rememberSetting(key, keptValue(font, texts, widestText)); };
    const qreal width = widest(start);
    if (width <= room || start <= kSmallest) {
        keep();
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
    widest(points);
    keep();
    return font;
}

} // namespace oltrave
