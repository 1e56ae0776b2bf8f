#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "model/playback.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTimer;

namespace oltrave {

// Play: one coefficient swept across its slider's range at a speed in steps
// a second, looping or bouncing, optionally leaving a faint trace of the
// curves it passed. Frames come at 60 a second; the panel draws them.
class PlayControls : public QWidget {
    Q_OBJECT
public:
    explicit PlayControls(QWidget* parent = nullptr);

    // The coefficients one may play, by name, in the panel's order.
    void setNames(const QStringList& names);
    // Starts the chosen coefficient from position, of positions.
    void start(int positions, int position);
    void stop();
    bool playing() const { return playback_.has_value(); }
    int chosen() const;
    bool tracing() const;
    // Earlier positions to draw faintly while tracing.
    std::vector<int> trace() const;
    // One frame as the timer would run it, seconds after the last.
    void frameAfter(double seconds);

    QPushButton& playButton() const { return *play_; }

protected:
    void changeEvent(QEvent* event) override;

signals:
    // Play asked to start: the panel answers with start().
    void playRequested(int which);
    void frame(int which, int position);
    // Play stopped, by the person or an edit.
    void stopped();

private:
    // Every word of the controls; said again when the language changes.
    void retranslate();
    // The button says Stop while playing.
    void showState();
    void tick();
    Motion motion() const;

    QPushButton* play_ = nullptr;
    QComboBox* which_ = nullptr;
    QSpinBox* speed_ = nullptr;
    QComboBox* motion_ = nullptr;
    QCheckBox* trace_ = nullptr;
    QTimer* timer_ = nullptr;
    QElapsedTimer clock_;
    std::optional<Playback> playback_;
    int playing_ = -1; // the coefficient playing
};

} // namespace oltrave
