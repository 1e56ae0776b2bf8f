// The plot command for each family, drawing into the real plotting image and
// appending to the real list, beside a loop that computes the same values and
// writes the same pixels straight into a raw buffer.
#include <QApplication>
#include <QTest>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "benchmain.h"
#include "cases.h"
#include "model/form.h"
#include "platform/canvaswidget.h"
#include "platform/longlistview.h"
#include "platform/sessionlistmodel.h"
#include "platform/vectorstate.h"
#include "ui/layouttable.h"

namespace {

using namespace oltrave;
using namespace oltrave::bench;

constexpr double kGoal = 1.5;
const QRgb kCurvePixel = qRgb(kCurveColour.red(), kCurveColour.green(), kCurveColour.blue());

// The plotting area and the list where the window places them, shown off screen.
struct Surface {
    QWidget host;
    CanvasWidget* canvas = new CanvasWidget(&host);
    LongListView* view = new LongListView(&host);
    Session session;
    SessionListModel lines{session};
    Form form{*canvas, session};

    Surface() {
        view->setModel(&lines);
        session.listen([this](const SessionChange& change) { lines.follow(change); });
        host.resize(layout::pixels(layout::kClient).size());
        canvas->setGeometry(layout::pixels(layout::kCanvas));
        view->setGeometry(layout::pixels(layout::kList));
        host.show();
        if (!QTest::qWaitForWindowExposed(&host))
            std::abort();
        form.start();
    }

    void enter(const FamilyCase& c) {
        form.chooseFamily(c.family);
        for (int box = 0; box < kBoxCount; ++box)
            form.editBox(box, c.boxes[static_cast<std::size_t>(box)]);
    }

    // A fresh area and list, repainted, as before a person's first plot.
    void reset() {
        canvas->clear();
        session.clearLines();
        QCoreApplication::processEvents();
    }
};

// What the plot command's curve costs at the least: the sampling loop, the
// family's function and one store per visible pixel, with the canvas's mapping.
class RawImage {
public:
    // The canvas gets the zoom in single precision; the sampling loop keeps the double.
    RawImage(int width, int height, double zoom)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height)),
          zoom_(zoom), originX_(-static_cast<float>(zoom)), originY_(static_cast<float>(zoom)),
          factorX_(width / (2 * originY_)), factorY_(height / (-2 * originY_)) {}

    void clear() { std::fill(pixels_.begin(), pixels_.end(), 0u); }
    const std::vector<QRgb>& pixels() const { return pixels_; }

    template <typename Function> void plot(Function&& f) {
        const double step = zoom_ / 10000;
        for (double x = -zoom_; x <= zoom_; x += step) {
            const double y = f(x);
            constexpr double kFloatMax = std::numeric_limits<float>::max();
            if (std::fabs(x) <= kFloatMax && std::fabs(y) <= kFloatMax)
                set(static_cast<float>(x), static_cast<float>(y));
        }
    }

private:
    void set(float x, float y) {
        const double col = (x - originX_) * factorX_;
        const double row = (y - originY_) * factorY_;
        if (col >= 0 && col < width_ && row >= 0 && row < height_)
            pixels_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                    static_cast<std::size_t>(col)] = kCurvePixel;
    }

    int width_, height_;
    std::vector<QRgb> pixels_;
    double zoom_, originX_, originY_, factorX_, factorY_;
};

std::array<double, 4> coefficients(const FamilyCase& c) {
    std::array<double, 4> coef{};
    for (std::size_t i = 0; i < coef.size(); ++i)
        coef[i] = *c.boxes[i] ? std::stod(c.boxes[i]) : 0.0;
    return coef;
}

// Plots the family's function in f(x) mode, in the order of operations the
// program uses, so both sides compute the same doubles.
void plotRaw(RawImage& image, const FamilyCase& c) {
    const std::array<double, 4> coef = coefficients(c);
    const double a = coef[0], b = coef[1], p = coef[2], q = coef[3];
    switch (c.family) {
    case 0: image.plot([=](double x) { return x * a + b; }); break;
    case 1: image.plot([=](double x) { return std::pow(x, 2) * a + x * b + p; }); break;
    case 2:
        image.plot([=](double x) { return std::pow(x, 2) * b + std::pow(x, 3) * a + x * p + q; });
        break;
    case 3: image.plot([=](double x) { return a * std::sin(x * b + p) + q; }); break;
    case 4: image.plot([=](double x) { return a * std::cos(x * b + p) + q; }); break;
    case 5: image.plot([=](double x) { return std::tan(x * b + p) * a + q; }); break;
    case 6: image.plot([=](double x) { return std::pow(a, x) + b; }); break;
    case 7: // no logarithm is worked out where there is none
        image.plot([=](double x) {
            return x > 0 ? std::log(x) / std::log(a) + b : std::numeric_limits<double>::quiet_NaN();
        });
        break;
    }
}

RawImage rawLike(const Surface& s) {
    const QImage& image = s.canvas->image();
    return RawImage(image.width(), image.height(), s.form.zoom());
}

// Pixels where exactly one of the two images holds the curve colour.
int disagreements(const QImage& image, const std::vector<QRgb>& raw) {
    int count = 0;
    for (int row = 0; row < image.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int col = 0; col < image.width(); ++col) {
            const QRgb other = raw[static_cast<std::size_t>(row * image.width() + col)];
            count += (line[col] == kCurvePixel) != (other == kCurvePixel);
        }
    }
    return count;
}

// Each iteration times the plot command and the raw loop one after the other,
// in turns, so that both meet the same load from whatever else the machine runs.
void plotBeside(benchmark::State& state, Surface* shown, const FamilyCase& c) {
    Surface& s = *shown;
    s.enter(c);
    s.reset();
    s.form.plot();
    RawImage raw = rawLike(s);
    plotRaw(raw, c);
    if (const int wrong = disagreements(s.canvas->image(), raw.pixels())) {
        fail(state, "the program and the raw loop differ in " + std::to_string(wrong) + " pixels");
        return;
    }
    const std::string name = c.name;
    bool rawFirst = false;
    for (auto _ : state) {
        s.reset();
        raw.clear();
        // The reset's fill leaves the vector registers dirty, which the program
        // clears after its own fills; the raw loop gets the same clean start.
        releaseUpperVectorState();
        double rawTime = 0;
        const auto timeRaw = [&] {
            const Stopwatch watch(Stopwatch::Clock::Thread);
            plotRaw(raw, c);
            benchmark::DoNotOptimize(raw.pixels().data());
            benchmark::ClobberMemory();
            rawTime = watch.seconds();
        };
        if (rawFirst)
            timeRaw();
        const Stopwatch watch(Stopwatch::Clock::Thread);
        s.form.plot();
        const double plotTime = watch.seconds();
        if (!rawFirst)
            timeRaw();
        rawFirst = !rawFirst;
        recordIteration(state, "plot/" + name, plotTime);
        record("raw/" + name, rawTime);
        record("ratio/" + name, plotTime / rawTime);
    }
    state.counters["raw_us"] = median("raw/" + name) * 1e6;
    state.counters["ratio"] = median("ratio/" + name);
}

std::vector<Figure> figures() {
    std::vector<Figure> out;
    for (const FamilyCase& c : kFamilyCases) {
        const double plot = median(std::string("plot/") + c.name);
        const double raw = median(std::string("raw/") + c.name);
        const double ratio = median(std::string("ratio/") + c.name);
        if (std::isnan(ratio))
            continue; // not run
        out.push_back(
            {std::string("1. plot / raw loop, ") + c.name,
             fixed(ratio, 2) + " (" + fixed(plot * 1e6, 0) + " / " + fixed(raw * 1e6, 0) + " us)",
             "<= " + fixed(kGoal, 1), ratio <= kGoal});
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    QApplication app(argc, argv);
    Surface shown;
    for (const FamilyCase& c : kFamilyCases) {
        benchmark::RegisterBenchmark((std::string("plot/") + c.name).c_str(), plotBeside, &shown, c)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    return runAndReport(figures);
}
