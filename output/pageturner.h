#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>

namespace oltrave {

// Moves through the pages of a paged device, writing "2 / 5" at the foot of
// each page it leaves (of a single page too, when asked).
class PageTurner {
public:
    PageTurner(QPainter& painter, QPagedPaintDevice& device, const QRectF& page, QFont font,
               bool numberASinglePage)
        : painter_(painter), device_(device), page_(page), font_(std::move(font)),
          numberASinglePage_(numberASinglePage) {}

    void setPages(int pages) { pages_ = pages; }

    // On to page (from 0); false when the device cannot start a page.
    bool turnTo(int page) {
        while (current_ < page) {
            number();
            if (!device_.newPage())
                return false;
            ++current_;
        }
        return true;
    }
    // The last page's number.
    void finish() { number(); }

private:
    void number() {
        if (pages_ < 2 && !numberASinglePage_)
            return;
        painter_.save();
        painter_.setFont(font_);
        const qreal height = QFontMetricsF(font_, &device_).lineSpacing();
        painter_.drawText(QRectF(page_.left(), page_.bottom() - height, page_.width(), height),
                          Qt::AlignHCenter | Qt::AlignBottom,
                          QStringLiteral("%1 / %2").arg(current_ + 1).arg(pages_));
        painter_.restore();
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    const QRectF page_;
    const QFont font_;
    const bool numberASinglePage_;
    int pages_ = 1;
    int current_ = 0;
};

} // namespace oltrave
