#include "drivenwindow.h"

#include <QCoreApplication>
#include <QEvent>

#include "benchmain.h"
#include "platform/canvaswidget.h"
#include "tools/scenario/scenario.h"

namespace oltrave::bench {

// Notes a paint event reaching the plotting area.
class DrivenWindow::PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& target) : QObject(&target) { target.installEventFilter(this); }

    void arm() { painted_ = false; }
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted_ = true;
        return false;
    }

private:
    bool painted_ = false;
};

DrivenWindow::DrivenWindow()
    : watch_(new PaintWatch(*window.findChild<CanvasWidget*>(QStringLiteral("pic")))) {}

DrivenWindow::~DrivenWindow() = default;

bool DrivenWindow::act(const QString& line) {
    const scenario::Parsed parsed = scenario::parseLine(line);
    return parsed.status == scenario::Parsed::Status::Action &&
           !scenario::perform(window, parsed.action);
}

void DrivenWindow::settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

std::optional<double> DrivenWindow::timed(const std::function<bool()>& start, bool untilIdle) {
    settle();
    watch_->arm();
    const Stopwatch waited;
    const Stopwatch started(untilIdle ? Stopwatch::Clock::Thread : Stopwatch::Clock::Wall);
    if (!start())
        return std::nullopt;
    // The paint is complete when the event processing that delivered it returns.
    while (!watch_->painted()) {
        if (waited.seconds() > 1)
            return std::nullopt;
        QCoreApplication::processEvents();
    }
    if (untilIdle)
        settle();
    return started.seconds();
}

} // namespace oltrave::bench
