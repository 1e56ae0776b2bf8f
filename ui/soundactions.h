#pragma once

#include <QObject>
#include <optional>

#include "overlay/trace.h"
#include "sound/sweep.h"

class QAction;
class QMenu;
class QWidget;

namespace oltrave {

class Form;
class SoundPlayer;

// View > Play Curve as Sound and Stop Sound, and the sounds of the keyboard
// trace's steps.
class SoundActions : public QObject {
    Q_OBJECT
public:
    // The items go into the View menu; their shortcuts work on the window.
    SoundActions(QWidget& window, QMenu& view, const Form& form);

    // What traceSounded carries for the traced point's tone.
    static constexpr int kTraceTone = -1;

    void playCurve();
    bool playing() const;
    // A step of the keyboard trace: landing on a mark, the cue the sweep gives
    // that point, else the traced point's tone. Without a sound device the
    // step stays silent: the read-out still speaks, and Play Curve as Sound
    // says why.
    void traceStep(const Readout& readout, std::optional<sound::CueKind> cue, double zoom);

signals:
    // The cue (sound::CueKind) of a trace step, or kTraceTone.
    void traceSounded(int cue);

private:
    QWidget& window_;
    const Form& form_;
    SoundPlayer* player_;
    QAction* play_;
    QAction* stop_;
};

} // namespace oltrave
