// Writing a session as JSON. A session of ten thousand lines is a megabyte of
// text: it is written as a stream, with no tree of objects built first, and
// in the key order and number forms a sorted JSON document gives.
#include <algorithm>
#include <cmath>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "exact/exactwriter.h"
#include "sessionfile.h"
#include "sessionnames.h"

namespace oltrave {

namespace {

class SessionWriter {
public:
    QByteArray take() { return {out_.GetString(), static_cast<qsizetype>(out_.GetSize())}; }

    void key(const char* name) { writer_.Key(name); }
    void text(std::string_view value) {
        writer_.String(value.data(), static_cast<rapidjson::SizeType>(value.size()));
    }
    void whole(int value) { writer_.Int(value); }
    void flag(bool value) { writer_.Bool(value); }

    // Whole numbers as whole numbers; JSON has no infinities, so they and NaN
    // are written as text.
    void number(double v) {
        constexpr double kExactWhole = 9007199254740992.0; // 2^53
        if (std::isnan(v))
            text("nan");
        else if (std::isinf(v))
            text(v > 0 ? "inf" : "-inf");
        else if (v == std::floor(v) && std::fabs(v) < kExactWhole)
            writer_.Int64(static_cast<std::int64_t>(v));
        else
            writer_.Double(v);
    }

    template <typename Items, typename Each> void list(const Items& items, Each each) {
        writer_.StartArray();
        for (const auto& item : items)
            each(item);
        writer_.EndArray();
    }
    template <typename Fill> void object(Fill fill) {
        writer_.StartObject();
        fill();
        writer_.EndObject();
    }

    void numbers(const Coefficients& coef) {
        list(coef, [this](double c) { number(c); });
    }

    // withExact: what the boxes read in exact mode, for the curves the area
    // shows (a line's curve only names which one it belongs to).
    void curve(const DrawnCurve& curve, bool withExact = false) {
        object([&] {
            key("coefficients");
            numbers(curve.coef);
            if (withExact && std::any_of(curve.exact.begin(), curve.exact.end(),
                                         [](const ExactValue& e) { return e.known(); })) {
                key("exact");
                list(curve.exact,
                     [this](const ExactValue& e) { text(writeExact(e).value_or(std::string())); });
            }
            key("family");
            whole(curve.family);
            key("mode");
            whole(modeIndex(curve.absmode));
        });
    }

    void mark(const Mark& mark) {
        object([&] {
            key("kind");
            text(markKindName(mark.kind));
            key("shape");
            text(markShapeName(mark.shape));
            key("step");
            number(mark.step);
            key("x");
            number(mark.x);
            key("y");
            number(mark.y);
            key("yOdd");
            number(mark.yOdd);
        });
    }

    void line(const SessionLine& line) {
        object([&] {
            if (line.curve) {
                key("curve");
                curve(*line.curve);
            }
            if (!line.decimalText.empty()) {
                key("decimal");
                text(line.decimalText);
            }
            if (!line.marks.empty()) {
                key("marks");
                list(line.marks, [this](const Mark& m) { mark(m); });
            }
            if (line.stretch) {
                key("stretch");
                object([&] {
                    key("high");
                    number(line.stretch->high);
                    key("low");
                    number(line.stretch->low);
                    key("step");
                    number(line.stretch->step);
                });
            }
            key("text");
            text(line.text);
        });
    }

    void stroke(const AreaStroke& stroke) {
        object([&] {
            if (stroke.kind == AreaStroke::Kind::Curve) {
                key("curve");
                curve(stroke.curve);
            }
            key("zoom");
            number(stroke.zoom);
        });
    }

private:
    rapidjson::StringBuffer out_;
    rapidjson::Writer<rapidjson::StringBuffer> writer_{out_};
};

} // namespace

QByteArray sessionJson(const SavedSession& saved) {
    SessionWriter w;
    w.object([&] {
        w.key("area");
        w.list(saved.area, [&w](const AreaStroke& s) { w.stroke(s); });
        w.key("boxes");
        w.list(saved.boxes, [&w](const std::string& box) { w.text(box); });
        w.key("coefficients");
        w.numbers(saved.coef);
        w.key("curves");
        w.list(saved.curves, [&w](const DrawnCurve& c) { w.curve(c, true); });
        w.key("family");
        w.whole(saved.family);
        w.key("format");
        w.text(kSessionFormatName);
        w.key("lines");
        w.list(saved.lines, [&w](const SessionLine& l) { w.line(l); });
        w.key("mode");
        w.whole(modeIndex(saved.absmode));
        w.key("plotted");
        w.flag(saved.plotted);
        w.key("status");
        w.text(statusName(saved.status));
        w.key("version");
        w.whole(kSessionFormat);
        w.key("view");
        w.object([&] {
            w.key("exactValues");
            w.flag(saved.exactValues);
            w.key("keyPoints");
            w.flag(saved.keyPoints);
        });
        w.key("x");
        w.text(saved.xText);
        w.key("zoom");
        w.text(saved.zoomText);
        w.key("zoomValue");
        w.number(saved.zoom);
    });
    return w.take();
}

} // namespace oltrave
