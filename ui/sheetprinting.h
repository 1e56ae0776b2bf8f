#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QRectF;
class QWidget;

namespace oltrave {

// Paints a document's pages on a paged device whose printable rectangle is
// page; false when it could not.
using PagePainter =
    std::function<bool(QPainter& painter, QPagedPaintDevice& device, const QRectF& page)>;

// A printer that starts from the worksheet's PDF pages (A4, 15 mm margins);
// the person may change them in the print dialog, and the pages follow.
void startLikeThePdf(QPrinter& printer);

// Asks for a printer and prints; says so when the printer would not start.
void printDocument(QWidget& parent, const QString& title, const PagePainter& pages);

// Qt's print preview of the pages, left open beside the window; its Print
// button prints them.
void previewDocument(QWidget& parent, const QString& title, const PagePainter& pages);

} // namespace oltrave
