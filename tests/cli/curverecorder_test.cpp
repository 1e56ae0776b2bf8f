// The exports' recording of a curve: where it breaks, and how closely the
// kept points follow the samples.
#include <QBuffer>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "output/curverecorder.h"
#include "output/svgwriter.h"

using oltrave::CanvasPoint;
using oltrave::CurveRecorder;
using oltrave::kCurveColour;

namespace {

// The sampling loop's x values over a view from -10 to 10.
std::vector<CanvasPoint> sampled(const std::function<double(double)>& f,
                                 const std::function<bool(double)>& has = {}) {
    std::vector<CanvasPoint> points;
    for (double x = -10; x <= 10; x += 0.001) {
        if (!has || has(x))
            points.push_back({static_cast<float>(x), static_cast<float>(f(x))});
    }
    return points;
}

std::vector<CurveRecorder::Polyline> record(const std::vector<CanvasPoint>& points) {
    CurveRecorder recorder;
    recorder.setScale(-10, 10, 10, -10);
    recorder.points(points.data(), points.size(), kCurveColour);
    return recorder.polylines();
}

// Distance of a view point from the stretch between two others.
double distance(const oltrave::ViewPoint& p, const oltrave::ViewPoint& a,
                const oltrave::ViewPoint& b) {
    const double du = b.u - a.u, dv = b.v - a.v;
    const double t =
        std::clamp(((p.u - a.u) * du + (p.v - a.v) * dv) / (du * du + dv * dv), 0.0, 1.0);
    return std::hypot(p.u - a.u - t * du, p.v - a.v - t * dv);
}

} // namespace

Q_DECLARE_METATYPE(std::function<double(double)>)
Q_DECLARE_METATYPE(std::function<bool(double)>)

class CurveRecorderTest : public QObject {
    Q_OBJECT

private slots:
    void breaks_data() {
        QTest::addColumn<std::function<double(double)>>("f");
        QTest::addColumn<std::function<bool(double)>>("has");
        QTest::addColumn<int>("polylines");
        using F = std::function<double(double)>;
        using Has = std::function<bool(double)>;
        QTest::newRow("line") << F([](double x) { return x / 2; }) << Has() << 1;
        QTest::newRow("no value between -1 and 1")
            << F([](double x) { return x / 2; }) << Has([](double x) { return std::fabs(x) > 1; })
            << 2;
        QTest::newRow("out of view and back")
            << F([](double x) { return 12 - x * x; }) << Has() << 2;
        QTest::newRow("pole") << F([](double x) { return 1 / x; }) << Has() << 2;
        QTest::newRow("jump inside the view")
            << F([](double x) { return x < 0 ? -5.0 : 5.0; }) << Has() << 1;
        QTest::newRow("jump out of the view")
            << F([](double x) { return x < 0 ? 5.0 : -1e6; }) << Has() << 1;
    }
    void breaks() {
        QFETCH(std::function<double(double)>, f);
        QFETCH(std::function<bool(double)>, has);
        QFETCH(int, polylines);
        const auto lines = record(sampled(f, has));
        QCOMPARE(static_cast<int>(lines.size()), polylines);
        // No stretch taller than the view: that would be a pole, not curve.
        for (const auto& line : lines) {
            for (std::size_t i = 1; i < line.points.size(); ++i)
                QVERIFY(std::fabs(line.points[i].v - line.points[i - 1].v) <= 1);
        }
    }

    // Every sample lies within the tolerance of the kept polyline, which
    // holds only samples.
    void keptPointsFollowTheSamples() {
        const auto f = [](double x) { return 3 * std::sin(2 * x) + x / 4; };
        const std::vector<CanvasPoint> points = sampled(f);
        const auto lines = record(points);
        QCOMPARE(lines.size(), std::size_t(1));
        const auto& kept = lines.front().points;
        QVERIFY(kept.size() < points.size() / 10);
        std::size_t segment = 0;
        for (const CanvasPoint& p : points) {
            const oltrave::ViewPoint at{static_cast<float>((p.x + 10) / 20.0),
                                        static_cast<float>((10 - p.y) / 20.0)};
            while (segment + 2 < kept.size() && at.u > kept[segment + 1].u)
                ++segment;
            const double d = distance(at, kept[segment], kept[segment + 1]);
            QVERIFY2(d <= CurveRecorder::kTolerance * 1.01,
                     qPrintable(QStringLiteral("%1 tolerances off at u = %2")
                                    .arg(d / CurveRecorder::kTolerance)
                                    .arg(at.u)));
        }
        for (const auto& k : kept) {
            const double x = k.u * 20 - 10;
            QVERIFY(std::fabs((10 - k.v * 20) - f(x)) < 1e-4);
        }
    }

    // A curve crossing the view in a few samples still runs from edge to
    // edge: the samples just outside are kept, the view clips them.
    void aSteepCurveReachesBothEdges() {
        const auto lines = record(sampled([](double x) { return 1000 * x; }));
        QCOMPARE(lines.size(), std::size_t(1));
        float top = 1, bottom = 0;
        for (const auto& p : lines.front().points) {
            top = std::min(top, p.v);
            bottom = std::max(bottom, p.v);
        }
        QVERIFY2(top < 0 && bottom > 1, qPrintable(QStringLiteral("%1 %2").arg(top).arg(bottom)));
    }

    // A curve with one sample in the view is one dot, and the SVG shows it:
    // a polyline of one point would draw nothing.
    void aLoneSampleIsAVisibleDot() {
        CurveRecorder recorder;
        recorder.setScale(-10, 10, 10, -10);
        const CanvasPoint lone{5, 5};
        recorder.points(&lone, 1, kCurveColour);
        QCOMPARE(recorder.polylines().size(), std::size_t(1));
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(oltrave::writeSvg(buffer, recorder, QSize(400, 200), Qt::white, Qt::black));
        QXmlStreamReader xml(buffer.data());
        int dots = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto attributes = xml.attributes();
            QVERIFY(xml.name() != QLatin1String("polyline"));
            if (xml.name() != QLatin1String("circle"))
                continue;
            // (5, 5) lies three quarters across and a quarter down.
            QCOMPARE(attributes.value("cx").toDouble(), 300.0);
            QCOMPARE(attributes.value("cy").toDouble(), 50.0);
            QVERIFY(attributes.value("r").toDouble() > 0);
            QCOMPARE(attributes.value("fill").toString(), QStringLiteral("#9289f9"));
            ++dots;
        }
        QCOMPARE(dots, 1);
    }

    void clearForgetsEverything() {
        CurveRecorder recorder;
        recorder.setScale(-10, 10, 10, -10);
        recorder.line(-10, 0, 10, 0);
        recorder.point(1, 1, kCurveColour);
        recorder.clear();
        QVERIFY(recorder.segments().empty());
        QVERIFY(recorder.polylines().empty());
    }
};

QTEST_GUILESS_MAIN(CurveRecorderTest)
#include "curverecorder_test.moc"
