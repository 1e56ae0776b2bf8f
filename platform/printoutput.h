#pragma once

#include <functional>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QRectF;
class QString;
class QWidget;

namespace oltrave {

// Paints a document's pages on a paged device whose printable rectangle is
// page; false when it could not.
using PagePainter =
    std::function<bool(QPainter& painter, QPagedPaintDevice& device, const QRectF& page)>;

// The printer's side of printing. It lives in a module of its own
// (oltrave-print.so) so the toolkit's print support is loaded only when a
// person first prints or previews, not at every start. Both start from the
// page layout given; the person may change it, and the pages follow.
struct PrintModuleTable {
    // Asks for a printer and prints; says so when the printer would not start.
    void (*print)(QWidget& parent, const QString& title, const QPageLayout& layout,
                  const PagePainter& pages);
    // The toolkit's print preview, left open beside parent; its Print button
    // prints.
    void (*preview)(QWidget& parent, const QString& title, const QPageLayout& layout,
                    const PagePainter& pages);
};

} // namespace oltrave
