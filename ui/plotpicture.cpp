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
#include <QSvgGenerator>
#include <optional>

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
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        QPainter painter(&generator);
        plot.render(painter, QSizeF(size));
        written = painter.end();
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
