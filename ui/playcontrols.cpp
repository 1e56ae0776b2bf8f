#include "playcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace oltrave {

namespace {

constexpr int kFrameMs = 16; // 60 frames a second
constexpr int kDefaultSpeed = 10;
constexpr int kFastestSpeed = 120;

} // namespace

PlayControls::PlayControls(QWidget* parent) : QWidget(parent) {
    play_ = new QPushButton;
    play_->setObjectName(QStringLiteral("play"));
    play_->setCheckable(true);
    which_ = new QComboBox;
    which_->setObjectName(QStringLiteral("playcoefficient"));
    speed_ = new QSpinBox;
    speed_->setObjectName(QStringLiteral("playspeed"));
    speed_->setRange(1, kFastestSpeed);
    speed_->setValue(kDefaultSpeed);
    motion_ = new QComboBox;
    motion_->setObjectName(QStringLiteral("playmotion"));
    motion_->addItem(QString(), static_cast<int>(Motion::Loop));
    motion_->addItem(QString(), static_cast<int>(Motion::Bounce));
    trace_ = new QCheckBox;
    trace_->setObjectName(QStringLiteral("playtrace"));
    retranslate();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(play_);
    layout->addWidget(which_);
    layout->addWidget(speed_);
    layout->addWidget(motion_);
    layout->addWidget(trace_);
    layout->addStretch();

    timer_ = new QTimer(this);
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(kFrameMs);
    connect(timer_, &QTimer::timeout, this, &PlayControls::tick);
    connect(play_, &QPushButton::toggled, this, [this](bool on) {
        if (on)
            emit playRequested(chosen());
        else
            stop();
    });
    connect(speed_, &QSpinBox::valueChanged, this, [this](int speed) {
        if (playback_)
            playback_->setSpeed(speed);
    });
    connect(motion_, &QComboBox::currentIndexChanged, this, [this] {
        if (playback_)
            playback_->setMotion(motion());
    });
    connect(trace_, &QCheckBox::toggled, this, [this] {
        if (playback_)
            emit frame(playing_, playback_->position());
    });
}

void PlayControls::setNames(const QStringList& names) {
    stop();
    const int was = which_->currentIndex();
    which_->clear();
    which_->addItems(names);
    // The same coefficient again when the next curve has it.
    which_->setCurrentIndex(was >= 0 && was < names.size() ? was : 0);
    setEnabled(!names.isEmpty());
}

int PlayControls::chosen() const {
    return which_->currentIndex();
}

bool PlayControls::tracing() const {
    return trace_->isChecked();
}

Motion PlayControls::motion() const {
    return static_cast<Motion>(motion_->currentData().toInt());
}

void PlayControls::start(int positions, int position) {
    playing_ = chosen();
    playback_.emplace(positions, position, motion());
    playback_->setSpeed(speed_->value());
    const QSignalBlocker quiet(play_);
    play_->setChecked(true);
    showState();
    clock_.start();
    timer_->start();
}

void PlayControls::stop() {
    if (!playback_) {
        const QSignalBlocker quiet(play_);
        play_->setChecked(false);
        return;
    }
    timer_->stop();
    playback_.reset();
    {
        const QSignalBlocker quiet(play_);
        play_->setChecked(false);
    }
    showState();
    emit stopped();
}

void PlayControls::showState() {
    play_->setText(playing() ? tr("Stop") : tr("Play"));
}

void PlayControls::retranslate() {
    showState();
    which_->setAccessibleName(tr("Coefficient to play"));
    speed_->setSuffix(tr(" steps/s"));
    speed_->setAccessibleName(tr("Speed"));
    motion_->setAccessibleName(tr("At the end"));
    motion_->setItemText(0, tr("Loop"));
    motion_->setItemText(1, tr("Bounce"));
    trace_->setText(tr("Trace"));
    trace_->setToolTip(tr("Leave a faint trace of the curves passed"));
}

void PlayControls::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

std::vector<int> PlayControls::trace() const {
    if (!playback_ || !tracing())
        return {};
    return playback_->trace();
}

void PlayControls::tick() {
    const double seconds = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
    clock_.restart();
    frameAfter(seconds);
}

void PlayControls::frameAfter(double seconds) {
    if (!playback_)
        return;
    const int before = playback_->position();
    const int now = playback_->advance(seconds);
    if (now != before)
        emit frame(playing_, now);
}

} // namespace oltrave
