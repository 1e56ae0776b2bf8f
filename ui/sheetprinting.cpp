#include "sheetprinting.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QWidget>

#include "moduletable.h"
#include "output/worksheet.h"

namespace oltrave {

namespace {

// Opened on the first print or preview.
const PrintModuleTable* printModule(QWidget& parent, const QString& title) {
    return moduleTable<PrintModuleTable>(
        OLTRAVE_PRINT_MODULE_NAME, parent, title,
        QCoreApplication::translate("oltrave::PlotExports", "Printing is not available: %1"));
}

} // namespace

void printDocument(QWidget& parent, const QString& title, const PagePainter& pages) {
    if (const PrintModuleTable* module = printModule(parent, title))
        module->print(parent, title, worksheetPageLayout(), pages);
}

void previewDocument(QWidget& parent, const QString& title, const PagePainter& pages) {
    if (const PrintModuleTable* module = printModule(parent, title))
        module->preview(parent, title, worksheetPageLayout(), pages);
}

} // namespace oltrave
