#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "ui/mainwindow.h"

namespace oltrave::bench {

// The program's main window driven by the scenario driver's actions, with a
// watch on the plotting area's paints: what the window benchmarks time.
class DrivenWindow {
public:
    DrivenWindow();
    ~DrivenWindow();

    MainWindow window;

    // One scenario action; false when it is not one or it failed.
    bool act(const QString& line);
    // Nothing left to do from earlier actions.
    void settle();
    // Seconds from what start does to the plotting area repainted; none when
    // start fails or no paint comes within a second. With untilIdle, the time
    // also covers what was left for later, and is taken on this thread's
    // processor clock: the work is all done here, and other programs on a
    // busy machine do not count.
    std::optional<double> timed(const std::function<bool()>& start, bool untilIdle = false);

private:
    class PaintWatch;
    PaintWatch* watch_;
};

} // namespace oltrave::bench
