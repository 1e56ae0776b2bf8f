// oltrave-print-soak [PRINTS]
// Clicks Print PRINTS times (10,000 unless told), with a wheel notch every
// hundred, through the scenario driver's actions on the real window and
// compares the time per Print of the last thousand with that of the first: a
// long session must stay as fast as a short one. Times are on this thread's
// processor clock, so other work on the machine does not count. Exits 1 when
// the last thousand is more than 1.2 times slower, or when an action fails.
#include <QApplication>
#include <QListView>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "tools/scenario/scenario.h"
#include "ui/mainwindow.h"

namespace {

constexpr int kDefaultPrints = 10000;
constexpr int kBatch = 1000;
constexpr int kWheelEvery = 100;
constexpr double kAllowedSlowdown = 1.2;

double threadSeconds() {
    timespec at{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &at);
    return static_cast<double>(at.tv_sec) + static_cast<double>(at.tv_nsec) * 1e-9;
}

bool act(oltrave::MainWindow& window, const char* line) {
    const oltrave::scenario::Parsed parsed =
        oltrave::scenario::parseLine(QString::fromLatin1(line));
    if (parsed.status != oltrave::scenario::Parsed::Status::Action)
        return false;
    if (const auto problem = oltrave::scenario::perform(window, parsed.action)) {
        std::fprintf(stderr, "oltrave-print-soak: %s: %s\n", line, qPrintable(*problem));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int prints = argc > 1 ? std::atoi(argv[1]) : kDefaultPrints;
    if (prints < 2 * kBatch) {
        std::fprintf(stderr, "oltrave-print-soak: at least %d Prints\n", 2 * kBatch);
        return 2;
    }

    oltrave::MainWindow window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 2;
    if (!act(window, "family 0") || !act(window, "set tx0 2") || !act(window, "set tx1 -4"))
        return 2;

    std::vector<double> batches;
    double start = threadSeconds();
    for (int i = 1; i <= prints; ++i) {
        if (!act(window, "click prt"))
            return 2;
        // A wheel notch now and then, in and out: its cost must not grow either.
        if (i % kWheelEvery == 0 && !act(window, (i / kWheelEvery) % 2 ? "wheel 1" : "wheel -1"))
            return 2;
        if (i % kBatch == 0) {
            const double now = threadSeconds();
            batches.push_back((now - start) / kBatch);
            start = now;
        }
    }
    const int lines = window.findChild<QListView*>(QStringLiteral("lis"))->model()->rowCount();
    const double first = batches.front();
    const double last = batches.back();
    std::printf("%d Prints, %d lines in the list; ms per Print by thousand:", prints, lines);
    for (const double batch : batches)
        std::printf(" %.3f", batch * 1e3);
    std::printf("\nlast thousand / first thousand = %.2f (allowed %.1f)\n", last / first,
                kAllowedSlowdown);
    return last <= kAllowedSlowdown * first ? 0 : 1;
}
