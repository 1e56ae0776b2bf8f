#pragma once

#include <string>
#include <vector>

#include "model/canvas.h"
#include "model/form.h"
#include "model/session.h"

namespace oltrave::testing {

// Canvas double that keeps every call since the last clear.
class RecordingCanvas : public Canvas {
public:
    struct Scale {
        float x1, y1, x2, y2;
    };
    struct Segment {
        float x1, y1, x2, y2;
    };
    struct Dot {
        float x, y;
        Colour colour;
    };

    bool setScale(float x1, float y1, float x2, float y2) override {
        if (x1 == x2 || y1 == y2)
            return false;
        scale = Scale{x1, y1, x2, y2};
        ++scalesSet;
        return true;
    }
    void clear() override {
        lines.clear();
        points.clear();
        ++clears;
    }
    void line(float x1, float y1, float x2, float y2) override {
        lines.push_back({x1, y1, x2, y2});
    }
    void point(float x, float y, Colour colour) override { points.push_back({x, y, colour}); }

    Scale scale{0, 0, 0, 0};
    int scalesSet = 0;
    int clears = 0;
    std::vector<Segment> lines;
    std::vector<Dot> points;
};

// The texts of the session's lines, in list order.
inline std::vector<std::string> lineTexts(const Session& session) {
    std::vector<std::string> texts;
    for (const SessionLine& line : session.lines())
        texts.push_back(line.text);
    return texts;
}

// A started form over recording doubles, as the window holds it.
struct Bench {
    RecordingCanvas canvas;
    Session session;
    Form form{canvas, session};

    std::vector<std::string> lines() const { return lineTexts(session); }

    Bench() { form.start(); }

    // Chooses the family, mode and coefficient texts, then plots once.
    std::vector<std::string> plot(int family, int mode, std::vector<std::string> boxes) {
        form.chooseFamily(family);
        form.clickMode(modeAt(mode));
        for (std::size_t i = 0; i < boxes.size(); ++i)
            form.editBox(static_cast<int>(i), boxes[i]);
        form.plot();
        return lines();
    }
};

} // namespace oltrave::testing
