#include "blankgrid.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace oltrave {

namespace {

const QColor kGridColour(0xc8, 0xc8, 0xc8);

QString tickText(double value) {
    return QString::number(value, 'g', 6).replace(QLatin1Char('-'), QChar(0x2212));
}

} // namespace

GridTicks gridTicks(double reach) {
    GridTicks ticks;
    if (!(reach > 0) || !std::isfinite(reach))
        return ticks;
    if (reach > 12) {
        const double rough = reach / 10;
        const double power = std::pow(10.0, std::floor(std::log10(rough)));
        ticks.step = rough <= power ? power : rough <= 2 * power ? 2 * power : 5 * power;
        if (ticks.step * 10 < reach)
            ticks.step = 10 * power;
    }
    ticks.labelEvery = reach / ticks.step > 6 ? 2 : 1;
    const int n = static_cast<int>(std::floor(reach / ticks.step + 1e-9));
    for (int i = -n; i <= n; ++i)
        ticks.at.push_back(i * ticks.step);
    return ticks;
}

void paintBlankGrid(QPainter& painter, const QRectF& target, double reach, double lineWidth) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal margin = metrics.horizontalAdvance(tickText(-reach)) + metrics.height() / 2;
    const qreal side = std::min(target.width() - margin, target.height() - metrics.height() * 1.5);
    const QRectF grid(target.left() + margin, target.top(), side, side);
    const auto toX = [&](double x) { return grid.left() + (x + reach) / (2 * reach) * side; };
    const auto toY = [&](double y) { return grid.top() + (reach - y) / (2 * reach) * side; };
    const GridTicks ticks = gridTicks(reach);

    painter.save();
    painter.setPen(QPen(kGridColour, lineWidth / 2));
    for (const double t : ticks.at) {
        painter.drawLine(QPointF(toX(t), grid.top()), QPointF(toX(t), grid.bottom()));
        painter.drawLine(QPointF(grid.left(), toY(t)), QPointF(grid.right(), toY(t)));
    }
    painter.setPen(QPen(Qt::black, lineWidth));
    painter.drawLine(QPointF(toX(0), grid.top()), QPointF(toX(0), grid.bottom()));
    painter.drawLine(QPointF(grid.left(), toY(0)), QPointF(grid.right(), toY(0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(grid);
    const qreal h = metrics.height();
    for (std::size_t i = 0; i < ticks.at.size(); ++i) {
        const double t = ticks.at[i];
        const long index = std::lround(t / ticks.step);
        if (index % ticks.labelEvery != 0)
            continue;
        const QString text = tickText(t);
        painter.drawText(QRectF(toX(t) - h * 2, grid.bottom() + h * 0.1, h * 4, h),
                         Qt::AlignHCenter | Qt::AlignTop, text);
        painter.drawText(QRectF(target.left(), toY(t) - h / 2, margin - h / 4, h),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.restore();
}

} // namespace oltrave
