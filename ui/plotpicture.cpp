#include "plotpicture.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPainter>
#include <QSpinBox>
#include <optional>

#include "moduletable.h"
#include "platform/svgoutput.h"
#include "plotview.h"

namespace oltrave {

namespace {

// Beyond this a picture no longer fits in memory comfortably.
constexpr int kLargestSide = 16384;
constexpr int kSmallestSide = 16;

class PictureSizeDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(oltrave::PictureSizeDialog)
public:
    PictureSizeDialog(QWidget& parent, QSize initial) : QDialog(&parent) {
        setObjectName(QStringLiteral("picturesize"));
        setWindowTitle(tr("Picture Size"));
        auto* form = new QFormLayout(this);
        width_ = side(initial.width(), QStringLiteral("picturewidth"));
        height_ = side(initial.height(), QStringLiteral("pictureheight"));
        form->addRow(tr("Width (pixels):"), width_);
        form->addRow(tr("Height (pixels):"), height_);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        form->addRow(buttons);
    }
    QSize chosen() const { return {width_->value(), height_->value()}; }

private:
    QSpinBox* side(int value, const QString& name) {
        auto* box = new QSpinBox;
        box->setObjectName(name);
        box->setRange(kSmallestSide, kLargestSide);
        box->setValue(value);
        return box;
    }
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
};

// Opened on the first SVG export.
const SvgModuleTable* svgModule(QWidget& parent) {
    return moduleTable<SvgModuleTable>(
        OLTRAVE_SVG_MODULE_NAME, parent,
        QCoreApplication::translate("oltrave::PlotWindow", "Export"),
        QCoreApplication::translate("oltrave::PlotWindow", "SVG export is not available: %1"));
}

} // namespace

void exportPlotPicture(QWidget& parent, const PlotView& plot, bool svg) {
    QSize size = plot.size();
    if (!svg) {
        PictureSizeDialog ask(parent, size);
        if (ask.exec() != QDialog::Accepted)
            return;
        size = ask.chosen();
    }
    const QString path = QFileDialog::getSaveFileName(
        &parent, QCoreApplication::translate("oltrave::PlotWindow", "Export"), QString(),
        svg ? QCoreApplication::translate("oltrave::PlotWindow", "SVG pictures (*.svg)")
            : QCoreApplication::translate("oltrave::PlotWindow", "PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    bool written = true;
    if (svg) {
        const SvgModuleTable* module = svgModule(parent);
        if (!module)
            return;
        written = module->write(path, size,
                                [&plot, size](QPainter& painter) { plot.render(painter, size); });
    } else {
        const QImage picture = plot.picture(size);
        written = !picture.isNull() && picture.save(path, "PNG");
    }
    if (!written)
        QMessageBox::warning(&parent, QCoreApplication::translate("oltrave::PlotWindow", "Export"),
                             QCoreApplication::translate("oltrave::PlotWindow",
                                                         "The picture could not be written to %1.")
                                 .arg(QDir::toNativeSeparators(path)));
}

} // namespace oltrave
