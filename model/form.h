#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"
#include "catalogue.h"
#include "drawncurve.h"
#include "familytable.h"
#include "formstate.h"
#include "mark.h"
#include "plotcontext.h"
#include "redrawncurves.h"
#include "savedsession.h"
#include "session.h"

namespace oltrave {

// The commands a button, a key or a menu item runs.
enum class FormCommand {
    Plot,     // Print
    Replot,   // RePrint
    Evaluate, // Calculate
    ClearAll, // Clear
};

// The main window's state and every command the user can run on it, free of
// any toolkit. A window mirrors this state and forwards the user's events here.
class Form {
public:
    static constexpr std::string_view kNotAFunction = kNotAFunctionText;
    static constexpr std::string_view kZoomError = kZoomErrorText;
    static constexpr int kModeCount = oltrave::kModeCount;
    static constexpr int kStartFamily = 0; // the first entry of the chooser

    // The form draws on the canvas and writes what it produces into the session.
    Form(Canvas& canvas, Session& session);

    // Start-up: linear family, zoom "10", empty coordinate system.
    void start();

    // User events.
    void chooseFamily(int family);
    void clickMode(AbsMode mode);
    void editBox(int box, std::string_view text);
    void editX(std::string_view text);
    void editZoom(std::string_view text);

    // View > Exact Values: boxes read and numbers written in exact form from
    // the next command on.
    void setExactValues(bool on) { exactValues_ = on; }
    bool exactValues() const { return exactValues_; }

    // Commands.
    void run(FormCommand command);
    void plot();
    void replot();
    void clearAll();
    void evaluate();
    // The mouse wheel over the plotting area: each notch one step along the
    // zoom series (in for notches > 0), then the curves drawn since the last
    // clear are drawn again at the new zoom (see RedrawnCurves). The list
    // keeps its lines. False when the zoom could not move and nothing was drawn.
    bool wheelZoom(int notches);
    // What a wheel notch draws, into another canvas: cleared, the axes and
    // the curves drawn since the last clear, at the zoom in use.
    void redrawArea(Canvas& canvas) const;

    // What the window shows.
    int family() const { return family_; }
    const std::string& boxText(int box) const { return boxes_[index(box)]; }
    bool boxVisible(int box) const { return boxVisible_[index(box)]; }
    const std::string& caption(int box) const { return captions_[index(box)]; }
    // The formula, or the failure the status names; in the language chosen at start-up.
    std::string_view formulaLabel() const;
    Status status() const { return session_.status(); }
    bool modesEnabled() const { return modesEnabled_; }
    AbsMode absmode() const { return absmode_; }
    const std::string& xText() const { return xText_; }
    const std::string& zoomText() const { return zoomText_; }

    // Form-level values the commands share.
    double zoom() const { return zoom_; }
    bool plotted() const { return plotted_; }
    const Coefficients& coef() const { return coef_; }
    // A coefficient as last read, with its exact value (none in decimal mode).
    Real coefficient(int box) const;
    const PeriodicValues& periodic() const { return periodic_; }
    // The curves the plotting area shows, in drawing order.
    const std::vector<DrawnCurve>& drawnCurves() const { return session_.curves(); }
    const Session& session() const { return session_; }

    // ---- Undo and session files
    // What a command can change in the form; restoring it changes the session's
    // status too, and nothing on the area.
    FormState state() const;
    void restore(const FormState& state);
    // The strokes the area holds since it was last cleared.
    const std::vector<AreaStroke>& area() const { return area_; }
    // Replaces the strokes from kept on with other's, handing back the ones
    // replaced in other, then draws the area anew from the strokes.
    void swapArea(std::size_t kept, std::vector<AreaStroke>& other);
    // Between beginAreaCapture and endAreaCapture the strokes are kept as they
    // were only once something other than an appended stroke changes them.
    struct AreaCapture {
        std::size_t atStart = 0;
        std::optional<std::vector<AreaStroke>> before;
    };
    void beginAreaCapture() { areaCapture_ = AreaCapture{area_.size(), std::nullopt}; }
    AreaCapture endAreaCapture();
    // What a session file keeps of the form and the session; the window adds
    // its options.
    SavedSession saved() const;
    // Shows a saved session that passed impossibleValue(), as a command: the
    // lines, curves and strokes it replaces go where a capture takes them.
    void open(SavedSession saved);
    // The area drawn again from its strokes, into any canvas.
    void replayArea(Canvas& canvas) const;

private:
    static std::size_t index(int box) { return static_cast<std::size_t>(box); }

    void setBoxText(int box, std::string_view text);
    void setZoomText(std::string_view text);
    void zoomGuard();
    void loadformula();
    void showBoxes(const std::array<std::string_view, kBoxCount>& captions);
    void llabsready(int lock);
    void selectMode(AbsMode mode);
    void loadcoordinates();
    void loadscale();
    void applyZoom(std::optional<double> read);
    void drawAxes();
    static void drawAxes(Canvas& canvas, double zoom);
    void clearArea();
    void readCoefficients();
    // The x box: exactly in exact mode when the text allows it.
    Real readX() const;
    bool coefficientsInvalid() const;
    static void redraw(const DrawnCurve& curve, double zoom, Canvas& canvas);

    Canvas& canvas_;
    Session& session_;

    int family_ = -1; // nothing chosen before start-up
    std::array<std::string, kBoxCount> boxes_;
    std::array<bool, kBoxCount> boxVisible_{true, true, true, true};
    std::array<std::string, kBoxCount> captions_{"0", "1", "2", "3"};
    std::string formula_ = "y = k x + b";
    bool modesEnabled_ = true;
    AbsMode absmode_ = AbsMode::Plain;
    std::string xText_;
    std::string zoomText_;

    Coefficients coef_{};
    ExactCoefficients exactCoef_;
    double zoom_ = 0;
    bool plotted_ = false;
    PeriodicValues periodic_;
    RedrawnCurves redrawn_; // the curves a wheel notch draws again
    bool exactValues_ = false;
    std::vector<AreaStroke> area_;
    std::optional<AreaCapture> areaCapture_;
    void keepAreaBefore();
};

} // namespace oltrave
