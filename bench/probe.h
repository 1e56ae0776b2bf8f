#pragma once

// Start-up probes: a program that opens one window, says on standard output
// when the window's first paint is complete, may then do some work, and
// reports its peak memory before it ends.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace oltrave::bench {

// Peak resident memory of this process in KiB; 0 when the system does not say.
inline long peakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

// Waits for the first paint event of any widget in the window. That paint
// draws the whole window in one go, so a zero timer started then fires once
// it is over.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> work)
        : window_(window), work_(std::move(work)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &window_)
            return false;
        qApp->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { finish(); });
        return false;
    }

private:
    void finish() {
        std::printf("painted\n");
        std::fflush(stdout);
        work_();
        std::printf("peak-kib %ld\n", peakKiB());
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QWidget& window_;
    std::function<void()> work_;
};

} // namespace oltrave::bench
