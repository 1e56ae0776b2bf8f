#pragma once

// Random user actions on the form and the invariants that must hold after
// each of them. Shared by the random-sequence test and the fuzz target.

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "model/canvas.h"
#include "model/familytable.h"
#include "model/form.h"
#include "model/numtext.h"
#include "model/session.h"
#include "numberchecks.h"

namespace oltrave::testing {

// Where the choices of a sequence come from: a seeded generator in the unit
// tests, the fuzzer's bytes in the fuzz target.
class ChoiceSource {
public:
    virtual ~ChoiceSource() = default;
    virtual bool exhausted() const = 0;
    // A number from 0 to count - 1 (count > 0).
    virtual std::size_t pick(std::size_t count) = 0;
};

// splitmix64: small, fast and the same on every platform.
class RandomChoices : public ChoiceSource {
public:
    explicit RandomChoices(std::uint64_t seed) : state_(seed) {}
    bool exhausted() const override { return false; }
    std::size_t pick(std::size_t count) override {
        state_ += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        z ^= z >> 31;
        return static_cast<std::size_t>(z % count);
    }

private:
    std::uint64_t state_;
};

class ByteChoices : public ChoiceSource {
public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool exhausted() const override { return pos_ >= size_; }
    std::size_t pick(std::size_t count) override {
        std::size_t value = 0;
        for (std::size_t range = 1; range < count && pos_ < size_; range <<= 8)
            value = (value << 8) | data_[pos_++];
        return value % count;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

enum class Command {
    ChooseFamily,
    ClickMode,
    EditBox,
    EditX,
    EditZoom,
    Plot,
    Replot,
    ClearAll,
    Evaluate
};

// One user action. Print, Ctrl+P and Enter in a coefficient box all reach the
// form as plot(); RePrint and Ctrl+R as replot(); Clear and Shift+Del as
// clearAll(); Calculate, Ctrl+A and Enter in the x box as evaluate().
struct Action {
    Command command;
    int index = 0;
    std::string text;
};

inline std::string describe(const Action& action) {
    switch (action.command) {
    case Command::ChooseFamily: return "choose family " + std::to_string(action.index);
    case Command::ClickMode: return "click mode " + std::to_string(action.index);
    case Command::EditBox:
        return "box " + std::to_string(action.index) + " := " + escaped(action.text);
    case Command::EditX: return "x := " + escaped(action.text);
    case Command::EditZoom: return "zoom := " + escaped(action.text);
    case Command::Plot: return "plot";
    case Command::Replot: return "replot";
    case Command::ClearAll: return "clear all";
    case Command::Evaluate: return "evaluate";
    }
    return "?";
}

inline void apply(Form& form, const Action& action) {
    switch (action.command) {
    case Command::ChooseFamily: form.chooseFamily(action.index); break;
    case Command::ClickMode: form.clickMode(modeAt(action.index)); break;
    case Command::EditBox: form.editBox(action.index, action.text); break;
    case Command::EditX: form.editX(action.text); break;
    case Command::EditZoom: form.editZoom(action.text); break;
    case Command::Plot: form.plot(); break;
    case Command::Replot: form.replot(); break;
    case Command::ClearAll: form.clearAll(); break;
    case Command::Evaluate: form.evaluate(); break;
    }
}

// The boxes' length limits, counted as the window counts them (UTF-16 units).
inline constexpr std::size_t kCoefficientLimit = 7;
inline constexpr std::size_t kXLimit = 10;
inline constexpr std::size_t kZoomLimit = 5;

// What a box keeps of a longer paste.
inline std::string cutTo(const std::string& text, std::size_t limit) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80)
            continue; // inside a character
        const std::size_t width = byte >= 0xF0 ? 2 : 1;
        if (units + width > limit)
            return text.substr(0, i);
        units += width;
    }
    return text;
}

// Pieces a user types or pastes: numbers in every spelling the readers know,
// half-typed numbers, control characters, non-ASCII letters and emoji.
inline constexpr std::array<std::string_view, 44> kTextPieces{
    "0",     "1",      "-2",   "2.5",   ".5",    "-.25",  "3",    "10",       "0.001",
    "1E3",   "1e-5",   "1D2",  "-1E30", "1E308", "1E-99", "&HFF", "&h1F",     "&O17",
    "99999", "123456", "-7",   "+4",    "1e",    "-",     ".",    "e5",       "2x",
    " 4 ",   "\t1\n2", "1 2",  "0.",    "abc",   "ω",     "函数", "é",        "😀",
    "\x01",  "\x7f",   "\r\n", "9",     "5",     "E",     "-0",   "4.9E-324",
};

inline std::string someText(ChoiceSource& source, const std::string& current, std::size_t limit) {
    const auto piece = [&] { return std::string(kTextPieces[source.pick(kTextPieces.size())]); };
    std::string text;
    switch (source.pick(12)) {
    case 0: // emptied
        break;
    case 1:
    case 2: text = piece(); break;
    case 3: // typed on
        text = current + piece();
        break;
    case 4: // one character rubbed out
        text = current;
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
            text.pop_back();
        if (!text.empty())
            text.pop_back();
        break;
    case 5: // raw bytes, NUL included
        for (std::size_t n = source.pick(24); n > 0; --n)
            text += static_cast<char>(source.pick(256));
        break;
    case 6: // a long paste
        for (std::size_t n = 1 + source.pick(400); n > 0; --n)
            text += piece();
        break;
    default: { // a plain number, the common case
        const double value = (static_cast<double>(source.pick(20001)) - 10000) /
                             static_cast<double>(1 + source.pick(1000));
        text = numtext(value);
        break;
    }
    }
    return cutTo(text, limit);
}

// The next action a user could take on the form as it stands: only shown
// boxes are typed into, only the chooser's families are chosen.
inline Action nextAction(ChoiceSource& source, const Form& form) {
    Action action{Command::Evaluate, 0, {}};
    const std::size_t roll = source.pick(1000);
    if (roll < 40) {
        action.command = Command::ChooseFamily;
        action.index = static_cast<int>(source.pick(familyCount()));
    } else if (roll < 100) {
        action.command = Command::ClickMode;
        action.index = static_cast<int>(source.pick(Form::kModeCount));
    } else if (roll < 550) {
        action.command = Command::EditBox;
        int shown = 0; // the shown boxes come first
        while (shown < kBoxCount && form.boxVisible(shown))
            ++shown;
        action.index = static_cast<int>(source.pick(static_cast<std::size_t>(shown)));
        action.text = someText(source, form.boxText(action.index), kCoefficientLimit);
    } else if (roll < 630) {
        action.command = Command::EditX;
        action.text = someText(source, form.xText(), kXLimit);
    } else if (roll < 710) {
        action.command = Command::EditZoom;
        action.text = someText(source, form.zoomText(), kZoomLimit);
    } else if (roll < 760) {
        action.command = Command::Plot;
    } else if (roll < 775) {
        action.command = Command::Replot;
    } else if (roll < 780) {
        action.command = Command::ClearAll;
    }
    return action;
}

// Canvas double that checks every call and counts them instead of keeping the drawing.
class ProbeCanvas : public Canvas {
public:
    bool setScale(float x1, float y1, float x2, float y2) override {
        expectFinite(x1, y1, x2, y2, "scale");
        ++calls;
        return x1 != x2 && y1 != y2;
    }
    void clear() override {
        ++clears;
        pointsSinceClear = 0;
    }
    void line(float x1, float y1, float x2, float y2) override {
        expectFinite(x1, y1, x2, y2, "line");
        ++calls;
    }
    void point(float x, float y, Colour colour) override {
        expectFinite(x, y, 0, 0, "point");
        if (colour.packed != kCurveColour.packed && fault.empty())
            fault = "point not in the curve colour";
        ++points;
        ++pointsSinceClear;
        lowestX = std::min(lowestX, x);
        highestX = std::max(highestX, x);
    }

    void startAction() {
        calls = clears = points = 0;
        lowestX = std::numeric_limits<float>::infinity();
        highestX = -lowestX;
    }

    std::string fault;
    int calls = 0;
    int clears = 0;
    long points = 0;
    long pointsSinceClear = 0;
    float lowestX = 0;
    float highestX = 0;

private:
    void expectFinite(float a, float b, float c, float d, const char* what) {
        if (!(std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d)) &&
            fault.empty())
            fault = std::string(what) + " with a coordinate that is not finite";
    }
};

// Follows a session's change notices as the list does: checks every line
// announced and keeps only the last one. Lines must arrive in order and
// leave only by emptying the list.
class ProbeList {
public:
    explicit ProbeList(const Session& session) : session_(session) {
        session.listen([this](const SessionChange& change) { follow(change); });
    }

    void startAction() {
        clears = appends = 0;
        sizeBefore = size;
    }

    std::string fault;
    int clears = 0;
    int appends = 0;
    std::size_t size = 0;
    std::size_t sizeBefore = 0;
    std::string last;

private:
    void follow(const SessionChange& change) {
        using Kind = SessionChange::Kind;
        if (change.kind == Kind::LinesRemoved) {
            ++clears;
            if (change.firstRow != 0 && fault.empty())
                fault = "lines taken away from row " + std::to_string(change.firstRow);
            size = static_cast<std::size_t>(session_.lineCount());
        } else if (change.kind == Kind::LinesAppended) {
            if (static_cast<std::size_t>(change.firstRow) != size && fault.empty())
                fault = "lines announced from row " + std::to_string(change.firstRow) + " after " +
                        std::to_string(size) + " rows";
            for (int row = change.firstRow; row < session_.lineCount(); ++row)
                check(session_.line(row).text);
            size = static_cast<std::size_t>(session_.lineCount());
        }
    }

    void check(const std::string& line) {
        ++appends;
        last = line;
        if (!fault.empty())
            return;
        if (line.find("NaN") != std::string::npos || line.find("Infinity") != std::string::npos)
            fault = "line with a number that is not finite: " + escaped(line);
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte == 0x7f)
                fault = "line with a control character: " + escaped(line);
        }
    }

    const Session& session_;
};

inline constexpr long kMostPointsPerPlot = 20001;

// A started form over probes; run() applies an action and checks what it did.
struct Watch {
    ProbeCanvas canvas;
    Session session;
    ProbeList list{session};
    Form form{canvas, session};

    Watch() { form.start(); }

    // How often the interesting outcomes came up, so a run can show it reached them.
    struct Tally {
        long curves = 0;
        long notAFunction = 0;
        long zoomErrors = 0;
        long values = 0;
    } tally;

    // What the action broke, or "".
    std::string run(const Action& action) {
        canvas.startAction();
        list.startAction();
        apply(form, action);
        count(action.command);
        if (!canvas.fault.empty())
            return canvas.fault;
        if (!list.fault.empty())
            return list.fault;
        if (std::string fault = afterAction(action.command); !fault.empty())
            return fault;
        return always();
    }

private:
    void count(Command command) {
        if (command == Command::Plot || command == Command::Replot) {
            tally.curves += canvas.pointsSinceClear > 0;
            tally.notAFunction += form.formulaLabel() == Form::kNotAFunction;
            tally.zoomErrors += form.formulaLabel() == Form::kZoomError;
        }
        if (command == Command::Evaluate)
            tally.values += list.appends;
    }

    std::string afterAction(Command command) const {
        const bool listCleared = list.clears > 0;
        switch (command) {
        case Command::ChooseFamily:
        case Command::ClickMode:
        case Command::EditBox:
        case Command::EditX:
        case Command::EditZoom:
            if (canvas.calls || canvas.clears || canvas.points || list.clears || list.appends)
                return "an edit drew or listed something";
            if (command == Command::ChooseFamily && form.plotted())
                return "plotted after a family change";
            return "";
        case Command::Evaluate:
            if (canvas.calls || canvas.clears || canvas.points || listCleared)
                return "the evaluation drew or cleared something";
            if (list.appends > 1 || (list.appends == 1 && !form.plotted()))
                return "the evaluation listed more than one line, or without a plot";
            if (list.appends == 1 && list.last.rfind("    [ x = ", 0) != 0)
                return "evaluation line " + escaped(list.last);
            return "";
        case Command::ClearAll:
            if (form.plotted() || list.size != 0 || canvas.clears == 0 ||
                canvas.pointsSinceClear != 0)
                return "clear-all left something behind";
            for (int box = 0; box < kBoxCount; ++box) {
                if (!form.boxText(box).empty())
                    return "clear-all left text in a coefficient box";
            }
            if (!form.xText().empty())
                return "clear-all left text in the x box";
            return "";
        case Command::Plot:
        case Command::Replot: return afterPlot(command == Command::Replot);
        }
        return "";
    }

    std::string afterPlot(bool replot) const {
        // A re-plot empties the list, unless it was empty already.
        if (replot ? list.clears != (list.sizeBefore > 0 ? 1 : 0) : list.clears != 0)
            return "the list changed other than by appends";
        if (replot && canvas.clears == 0)
            return "re-plot kept the old drawing";
        if (canvas.points > kMostPointsPerPlot)
            return "more than 20001 points: " + std::to_string(canvas.points);
        // The float nearest the zoom bounds the drawn x; beyond float range, the largest float.
        const double zoom = std::fabs(form.zoom());
        const float bound = zoom < FLT_MAX ? static_cast<float>(zoom) : FLT_MAX;
        if (canvas.points && (canvas.lowestX < -bound || canvas.highestX > bound))
            return "a point beyond the sampled range";
        const std::optional<double> zoomRead = numval(form.zoomText());
        if (!(zoomRead && *zoomRead > 0) && (canvas.points || list.appends))
            return "a refused zoom still drew or listed";
        if (form.formulaLabel() == Form::kNotAFunction &&
            (form.plotted() || canvas.clears == 0 || canvas.pointsSinceClear != 0))
            return "\"Not a Function\" left a curve or a plot behind";
        return "";
    }

    std::string always() const {
        const FamilyDescription* info = familyDescription(form.family());
        if (!info)
            return "no family chosen";
        const std::string label(form.formulaLabel());
        if (label != info->formulaTemplate && label != Form::kNotAFunction &&
            label != Form::kZoomError)
            return "formula label " + escaped(label);
        if (label == Form::kNotAFunction && form.plotted())
            return "plotted while showing \"Not a Function\"";
        const std::optional<double> zoomRead = numval(form.zoomText());
        if (label == Form::kZoomError && zoomRead && *zoomRead > 0)
            return "\"Error : Zoom\" shown for a usable zoom text " + escaped(form.zoomText());
        if (zoomRead && *zoomRead == 0)
            return "zoom box holds a zero text " + escaped(form.zoomText());
        if (form.modesEnabled() != info->hasModes)
            return "mode labels enabled wrongly";
        if (!knownMode(form.absmode()) || (!info->hasModes && form.absmode() != AbsMode::Plain))
            return "mode " + std::to_string(modeIndex(form.absmode()));
        for (int box = 0; box < kBoxCount; ++box) {
            if (!form.boxVisible(box) && !form.boxText(box).empty())
                return "a hidden box holds text";
        }
        return "";
    }
};

} // namespace oltrave::testing
