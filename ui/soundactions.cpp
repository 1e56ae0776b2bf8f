#include "soundactions.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

#include "model/form.h"
#include "platform/soundplayer.h"
#include "sound/curvesound.h"

namespace oltrave {

SoundActions::SoundActions(QWidget& window, QMenu& view, const Form& form)
    : QObject(&window), window_(window), form_(form), player_(new SoundPlayer(&window)) {
    play_ = view.addAction(tr("Play Curve as Sound(&S)"));
    play_->setObjectName(QStringLiteral("playsound"));
    play_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    window.addAction(play_);
    connect(play_, &QAction::triggered, this, &SoundActions::playCurve);
    // Esc belongs to the sound only while one plays.
    stop_ = view.addAction(tr("Stop Sound"));
    stop_->setObjectName(QStringLiteral("stopsound"));
    stop_->setShortcut(QKeySequence(Qt::Key_Escape));
    stop_->setEnabled(false);
    window.addAction(stop_);
    connect(stop_, &QAction::triggered, player_, &SoundPlayer::stop);
    connect(player_, &SoundPlayer::stopped, this, [this] { stop_->setEnabled(false); });
}

void SoundActions::playCurve() {
    const QString title = tr("Play Curve as Sound");
    const std::optional<DrawnCurve> curve = sound::plottedCurve(form_);
    if (!curve) {
        QMessageBox::information(&window_, title,
                                 tr("There is no curve to play yet: Print one first."));
        return;
    }
    const QString error = player_->play(sound::renderCurve(*curve, form_.zoom()));
    stop_->setEnabled(player_->playing());
    if (!error.isEmpty())
        QMessageBox::warning(&window_, title, error);
}

bool SoundActions::playing() const {
    return player_->playing();
}

void SoundActions::traceStep(const Readout& readout, std::optional<sound::CueKind> cue,
                             double zoom) {
    player_->play(cue ? sound::renderCue(*cue, readout.x, zoom)
                      : sound::renderStepTone(readout.x, readout.y, zoom));
    emit traceSounded(cue ? static_cast<int>(*cue) : kTraceTone);
}

} // namespace oltrave
