#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "analysis/intersect.h"
#include "model/analysisfacts.h"
#include "model/curvesliders.h"
#include "model/form.h"
#include "model/language.h"
#include "model/session.h"
#include "platform/canvaswidget.h"
#include "soundactions.h"

namespace oltrave {

class BoxNotes;
class CanvasWidget;
class FormControls;
class OverlayController;
class PlotExports;
class PlotRecording;
class SessionFiles;
class SessionListModel;
class UndoActions;
class WindowMenus;

// The working window. It holds the form and its session, forwards the user's
// events to the form and shows what the session and the form then hold; the
// product's rules live in the form, the overlay and the output floors.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // What traceSounded carries for the traced point's tone.
    static constexpr int kTraceTone = SoundActions::kTraceTone;

    const Form& form() const { return *form_; }
    const Session& session() const { return session_; }
    Session& session() { return session_; }
    const CanvasWidget& canvas() const;
    // Whether View > Play Curve as Sound is still sounding.
    bool playingSound() const;

    // View > Exact Values, set as its menu item sets it.
    void setExactValues(bool on);
    bool exactValues() const;
    // View > Key Points, set as its menu item sets it.
    void setKeyPoints(bool on);
    bool keyPoints() const;
    // What the analysis panel shows, drawn over the curves with its selected
    // rows highlighted; none while the panel is closed.
    void showAnalysis(std::optional<Analysis> analysis, std::vector<int> selectedRows);
    // File > Save Session and the other session items.
    SessionFiles& sessionFiles() const { return *sessions_; }
    // Shows a saved session as File > Open Session does: one step to undo.
    void openSession(SavedSession saved);
    // The plot window's Apply: enters the curve into the form and runs Print,
    // one step to undo.
    void printEntered(const CurveEntry& entry);
    // A curve the plot window's sliders show but nobody printed; the analysis
    // panel follows it while there is one.
    void setPreview(std::optional<AnalysedCurve> curve);
    const std::optional<AnalysedCurve>& preview() const { return preview_; }

signals:
    // The About command; whoever owns the About screen shows it modally.
    void aboutRequested();
    // The person switched View > Exact Values; whoever remembers it stores it.
    void exactValuesToggled(bool on);
    // The person switched View > Key Points.
    void keyPointsToggled(bool on);
    // View > Language: the window speaks it at once; to be remembered for the
    // next start.
    void languageChosen(oltrave::Language language);
    // The keyboard trace asked for a sound: the cue (sound::CueKind) of the
    // mark it landed on, or kTraceTone for the traced point's tone.
    void traceSounded(int cue);
    // The window shows the form anew, after a command or a change of boxes.
    void formMirrored();
    // The sliders' curve changed, or there is none any more.
    void previewChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void connectEvents();
    // Says every word of the window again in the language now in use; the
    // list's lines stay as they were written.
    void retranslate();
    // enter runs first, within the command's undo step.
    void run(FormCommand command, const std::function<void()>& enter = {});
    void enterTrace();
    void describePlot(std::optional<FormCommand> command, int firstNewLine, int pointsBefore);
    void describeArea();
    void scrollToNewestLine();
    void mirror();
    // After Undo or Redo: the area, its description and the controls anew.
    void showStep();

    Session session_; // before the form, which writes into it
    FormControls* controls_ = nullptr;
    SessionListModel* lines_ = nullptr;
    std::unique_ptr<PlotRecording> recording_;
    std::unique_ptr<Form> form_;
    PlotExports* exports_ = nullptr;
    WindowMenus* menus_ = nullptr;
    OverlayController* overlay_ = nullptr;
    BoxNotes* boxNotes_ = nullptr;
    UndoActions* undo_ = nullptr;
    SessionFiles* sessions_ = nullptr;

    bool centred_ = false;
    bool showingModes_ = false; // the mode buttons follow the form, not the user
    bool scrollQueued_ = false;
    bool scrollCancelled_ = false; // Undo puts the list where it was instead
    QStringList curves_;           // what the plotting area shows, for a screen reader
    std::optional<AnalysedCurve> preview_;
};

} // namespace oltrave
