#include "sheetprinting.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPageLayout>
#include <QWidget>

#include "output/worksheet.h"
#include "platform/loadablemodule.h"

namespace oltrave {

namespace {

// Opened on the first print or preview; tried again after a failure, so a
// module put back in place works without a restart.
const PrintModuleTable* printModule(QWidget& parent, const QString& title) {
    static const PrintModuleTable* found = nullptr;
    if (found)
        return found;
    QString problem;
    found = static_cast<const PrintModuleTable*>(
        loadModule(QStringLiteral(OLTRAVE_PRINT_MODULE_NAME), problem));
    if (!found)
        QMessageBox::warning(
            &parent, title,
            QCoreApplication::translate("oltrave::PlotExports", "Printing is not available: %1")
                .arg(problem));
    return found;
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
