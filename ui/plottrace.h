#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "model/drawncurve.h"
#include "overlay/planetrace.h"

class QLabel;
class QListWidget;

namespace oltrave {

class PlotView;

// The plot window's trace: the legend's selected curve is traced, a click on
// the plot or the view's trace keys move it, and the read-out shows under the
// plot and is the plot's accessible description.
class PlotTrace : public QObject {
    Q_OBJECT
public:
    // The x of a curve's marks in the view, for Page Up and Page Down.
    using MarkXs = std::function<std::vector<double>(std::size_t curve)>;

    PlotTrace(PlotView& view, QListWidget& legend, QLabel& readout, MarkXs markXs);

    // The curves as shown, in legend order; a hidden one is not traced.
    void setCurves(std::vector<DrawnCurve> curves, std::vector<bool> hidden);
    QString readoutText() const;

private:
    void refresh();

    PlotView& view_;
    QListWidget& legend_;
    QLabel& readout_;
    MarkXs markXs_;
    PlaneTrace trace_;
    std::vector<DrawnCurve> curves_;
    std::vector<bool> hidden_;
};

} // namespace oltrave
