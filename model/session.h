#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawncurve.h"
#include "mark.h"
#include "markindex.h"
#include "resultline.h"

namespace oltrave {

// What the formula label shows instead of the formula after a failed command.
enum class Status {
    Ok,
    NotAFunction,
    ZoomError,
};

inline constexpr std::string_view kNotAFunctionText = "Not a Function";
inline constexpr std::string_view kZoomErrorText = "Error : Zoom";

// The label text of a failure, untranslated; empty for Ok.
std::string_view statusText(Status status);

// One result line as the session produced it.
struct SessionLine {
    std::string text;
    // The line as the decimal program writes it; kept only for lines written
    // in exact mode.
    std::string decimalText;
    std::vector<Mark> marks;
    std::optional<Stretch> stretch;
    // The curve whose plot wrote the line; none for a Calculate line.
    std::optional<DrawnCurve> curve;
    // A digest of text, set by the session: whoever keeps something per text
    // (a list's row widths) knows a line again without reading its bytes.
    std::uint64_t textDigest = 0;
};

std::uint64_t textDigestOf(std::string_view text);

// What changed in a session, for whoever shows it.
struct SessionChange {
    enum class Kind {
        LinesAppended, // rows from firstRow on are new
        LinesRemoved,  // rows from firstRow on are gone (0: the list emptied)
        AreaRedrawn,   // the curves are drawn again, at another zoom or none
        StatusChanged,
    };
    Kind kind = Kind::LinesAppended;
    int firstRow = 0;

    bool operator==(const SessionChange& other) const {
        return kind == other.kind && firstRow == other.firstRow;
    }
};

// Everything the session produced: the result lines with their marks, the
// curves drawn since the last clear and the form's status. Windows show it,
// the command line prints and draws from it; nobody reads a widget back.
class Session {
public:
    using Listener = std::function<void(const SessionChange&)>;

    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Called after every change, in the order of the changes. Listening
    // changes nothing in the record.
    int listen(Listener listener) const;
    void stopListening(int id) const;

    // While a Hold lives, the lines appended are announced once, when it ends:
    // a command's lines arrive in the list in one step.
    class Hold {
    public:
        explicit Hold(Session& session) : session_(session) { ++session_.holds_; }
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        Session& session_;
    };

    // ---- Lines
    int lineCount() const { return static_cast<int>(lines_.size()); }
    const SessionLine& line(int row) const { return lines_[static_cast<std::size_t>(row)]; }
    const std::vector<SessionLine>& lines() const { return lines_; }
    // Appends the line unless one of its numbers could not be computed. In
    // exact mode the line keeps the decimal program's line beside it. False
    // when nothing was appended.
    bool append(const ResultLine& line, bool exact, std::vector<Mark> marks = {},
                std::optional<Stretch> stretch = std::nullopt,
                std::optional<DrawnCurve> curve = std::nullopt);
    // A line as it stands, for a list filled from elsewhere.
    void appendLine(SessionLine line);
    // Takes away the lines from row on; nothing when there are none.
    void removeLinesFrom(int row);
    void clearLines() { removeLinesFrom(0); }
    // The lines that name something on the plot, in list order.
    std::vector<MarkedLine> markedLines() const;
    // Those of them that belong to one of these curves, without reading the
    // others: what is drawn over the curves on the area. A line repeated on
    // the same curve comes once, as its newest row or its selected rows.
    std::vector<MarkedLine> markedLinesOn(const std::vector<DrawnCurve>& curves,
                                          const std::vector<int>& selectedRows = {}) const;

    // ---- Curves
    const std::vector<DrawnCurve>& curves() const { return curves_; }
    void addCurve(const DrawnCurve& curve) { curves_.push_back(curve); }
    void clearCurves();
    // Keeps only the curves still on the area.
    void keepCurves(const std::function<bool(const DrawnCurve&)>& onArea);
    // The area was drawn again from the curves.
    void areaRedrawn() { notify({SessionChange::Kind::AreaRedrawn, 0}); }

    // ---- Status
    Status status() const { return status_; }
    void setStatus(Status status);

    // ---- Undo
    // Between beginCapture and endCapture, lines that were there before and
    // are taken away are kept, not dropped: a command's step holds them.
    struct Captured {
        int kept = 0;                     // rows untouched from the start
        std::vector<SessionLine> removed; // the rows from kept on as they were
        std::vector<int> removedMarked;   // which of them name something, ascending
        // The curves: appended to only, unless curvesBefore holds them as
        // they were when something else first changed them. A command that
        // only appends copies none, however many there are.
        std::size_t curvesAtStart = 0;
        std::optional<std::vector<DrawnCurve>> curvesBefore;
    };
    void beginCapture();
    Captured endCapture();
    // Puts other's lines in place of the rows from kept on, and the rows
    // replaced into other: applying it twice changes nothing. otherMarked says
    // which of other's lines name something and is swapped likewise, so that
    // a whole list coming back is not searched for them again.
    void swapLines(int kept, std::vector<SessionLine>& other, std::vector<int>& otherMarked);
    void swapLines(int kept, std::vector<SessionLine>& other);
    void swapCurves(std::size_t kept, std::vector<DrawnCurve>& other);

private:
    void notify(const SessionChange& change);
    void keepCurvesBefore();
    void flushAppended();
    void push(SessionLine line);

    std::vector<SessionLine> lines_;
    std::vector<int> markedRows_; // rows with marks or a stretch, ascending
    // markedRows_ by curve: kept up as lines arrive, made again after others go.
    mutable MarkIndex byCurve_;
    mutable bool indexed_ = false;
    std::vector<DrawnCurve> curves_;
    Status status_ = Status::Ok;

    mutable std::vector<std::pair<int, Listener>> listeners_;
    mutable int nextListener_ = 0;
    int holds_ = 0;
    std::optional<int> unannounced_; // the first row appended under a Hold
    std::optional<Captured> capture_;
};

} // namespace oltrave
