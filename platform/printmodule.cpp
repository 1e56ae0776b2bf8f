// Printing through Qt Print Support, built as the module oltrave-print.so.
#include <QCoreApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "moduleversion.h"
#include "platform/printoutput.h"

namespace oltrave {

namespace {

// The printable rectangle as the printer's page layout gives it: the
// painter's origin is already at its top left corner.
bool paintOn(QPrinter& printer, const PagePainter& pages) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    return pages(painter, printer, QRectF(QPointF(0, 0), page.size()));
}

// A printer that cannot print as close to the edge keeps its own margins.
void startFrom(QPrinter& printer, QPageLayout layout) {
    const QMarginsF least = printer.pageLayout().minimumMargins();
    const QMarginsF wanted = layout.margins();
    layout.setMinimumMargins(least);
    layout.setMargins(QMarginsF(
        std::max(wanted.left(), least.left()), std::max(wanted.top(), least.top()),
        std::max(wanted.right(), least.right()), std::max(wanted.bottom(), least.bottom())));
    printer.setPageLayout(layout);
}

void print(QWidget& parent, const QString& title, const QPageLayout& layout,
           const PagePainter& pages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    startFrom(printer, layout);
    QPrintDialog dialog(&printer, &parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!paintOn(printer, pages))
        QMessageBox::warning(&parent, title,
                             QCoreApplication::translate("oltrave::PlotExports",
                                                         "The printer could not be started."));
}

void preview(QWidget& parent, const QString& title, const QPageLayout& layout,
             const PagePainter& pages) {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setDocName(title);
    startFrom(*printer, layout);
    auto* dialog = new QPrintPreviewDialog(printer, &parent);
    dialog->setObjectName(QStringLiteral("printpreview"));
    dialog->setWindowTitle(title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested,
                     [pages](QPrinter* target) { paintOn(*target, pages); });
    dialog->resize(parent.size().expandedTo(QSize(640, 800)));
    dialog->open();
}

const PrintModuleTable kTable{print, preview};

} // namespace

} // namespace oltrave

extern "C" __attribute__((visibility("default")))
const oltrave::ModuleEntry oltrave_module{oltrave::kModuleStamp, &oltrave::kTable};
