#pragma once

#include <QString>

#include "platform/printoutput.h"

class QWidget;

namespace oltrave {

// Asks for a printer and prints, starting from the worksheet's PDF pages (A4,
// 15 mm margins); says so when the printer would not start, or when printing
// is not available at all.
void printDocument(QWidget& parent, const QString& title, const PagePainter& pages);

// Qt's print preview of the pages, left open beside the window; its Print
// button prints them.
void previewDocument(QWidget& parent, const QString& title, const PagePainter& pages);

} // namespace oltrave
