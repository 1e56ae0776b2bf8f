#pragma once

#include "model/form.h"
#include "output/canvastee.h"
#include "output/curverecorder.h"

namespace oltrave {

// What the plotting area shows, recorded as vectors for the exports. It keeps
// in step with the area except after wheel notches: recording the curves
// costs more than drawing them, and waits until an export or the next command
// needs the recording.
class PlotRecording {
public:
    explicit PlotRecording(Canvas& area) : tee_(area, drawing_) {}
    PlotRecording(const PlotRecording&) = delete;
    PlotRecording& operator=(const PlotRecording&) = delete;

    // What the form draws on: the area and the recording.
    Canvas& canvas() { return tee_; }

    // The wheel over the area: only the area is drawn again.
    void wheelZoom(Form& form, int notches) {
        tee_.holdBackSecond(true);
        behind_ = form.wheelZoom(notches) || behind_;
        tee_.holdBackSecond(false);
    }

    // The form drew the whole area anew, through canvas(): both are in step.
    void caughtUp() { behind_ = false; }

    // The recording, brought up to what the area shows.
    const CurveRecorder& upToDate(const Form& form) {
        if (behind_) {
            behind_ = false;
            form.redrawArea(drawing_);
        }
        return drawing_;
    }

private:
    CurveRecorder drawing_;
    CanvasTee tee_;
    bool behind_ = false;
};

} // namespace oltrave
