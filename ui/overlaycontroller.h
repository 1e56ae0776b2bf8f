#pragma once

#include <QObject>
#include <QPoint>
#include <optional>
#include <string>

#include "model/analysisfacts.h"
#include "overlay/plotoverlay.h"

class QAbstractItemView;

namespace oltrave {

class CanvasWidget;
class Form;
class PlotRecording;
class SoundActions;

// Binds the plotting area's layer above the curves to the area, the list's
// selection and the wheel; what the layer shows is worked out in PlotOverlay.
class OverlayController : public QObject {
    Q_OBJECT
public:
    OverlayController(Form& form, CanvasWidget& area, const QAbstractItemView& list,
                      PlotRecording& recording, SoundActions& sound);

    void setKeyPoints(bool on);
    // The analysis the panel shows, with its selected rows; none while the
    // panel is closed.
    void setAnalysis(std::optional<Analysis> analysis, std::vector<int> selectedRows);
    // Shows what the session and the view now call for.
    void refresh();
    void refreshMarks();

    void hover(QPoint pixel);
    void leave();
    // Wheel notches over the area: the form zooms, the trace stays under the mouse.
    void wheelZoom(int notches);
    void move(Trace::Move move);
    // The traced x as the read-out writes it; none without a trace.
    std::optional<std::string> tracedX() const;

signals:
    // The read-out changed: the area's description follows it.
    void traceChanged();

private:
    Viewport viewport() const;
    void refreshTrace();

    Form& form_;
    CanvasWidget& area_;
    const QAbstractItemView& list_;
    PlotRecording& recording_;
    SoundActions& sound_;
    PlotOverlay overlay_;
    std::optional<Analysis> analysis_;
    std::vector<int> analysisRows_; // selected
    std::optional<QPoint> mousePixel_; // over the drawing rectangle
};

} // namespace oltrave
