#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

#include "model/form.h"
#include "model/language.h"
#include "output/canvastee.h"
#include "output/curverecorder.h"
#include "overlay/trace.h"
#include "platform/canvaswidget.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;

namespace oltrave {

class BoxNotes;
class CanvasWidget;
struct Worksheet;
class ListResults;
class LongListView;
class ModeButton;
class PictureButton;
class SoundPlayer;

// The working window. It holds the form, forwards the user's events to it and
// shows what the form then holds; the product's rules live in the form.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    static constexpr int kTraceTone = -1;

    const Form& form() const { return *form_; }
    const CanvasWidget& canvas() const { return *pic_; }
    // Whether View > Play Curve as Sound is still sounding.
    bool playingSound() const;

    // View > Exact Values, set as its menu item sets it.
    void setExactValues(bool on);
    bool exactValues() const;
    // View > Key Points, set as its menu item sets it.
    void setKeyPoints(bool on);

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls(const QString& face);
    void buildMenus();
    void buildSoundItems(QMenu* view);
    void playCurve();
    void buildLanguageMenu(QMenu* view);
    void pickLanguage(Language language);
    // Says every word of the window again in the language now in use; the
    // list's lines stay as they were written.
    void retranslate();
    static QString aboutCaption();
    void buildContextMenus();
    void copyLines(bool selectedOnly);
    void saveImage();
    QString askSavePath(const QString& title, const QString& filter, const QString& fileName);
    Worksheet worksheet();
    void exportWorksheet();
    void exportSvg();
    void printWorksheet();
    void reportSaveError(const QString& title, const QString& error);
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& shortcut, void (Form::*command)());
    void setTabOrderAndTips();
    void connectEvents();
    void run(void (Form::*command)());
    // Brings the exports' recording up to what the plotting area shows.
    void catchUpRecording();
    void describePlot(void (Form::*command)(), int firstNewLine, int pointsBefore);
    void scrollToNewestLine();
    void mirror();

    Viewport viewport() const;
    std::vector<MarkedLine> tracedCurveLines() const;
    void refreshMarks();
    void refreshTrace();
    void describeArea();
    void hover(QPoint pixel);
    void leaveArea();
    void wheelZoom(int notches);
    void traceKey(CanvasWidget::TraceKey key);
    void enterTrace();
    void soundTraceStep(bool toMark);

    QComboBox* combotype_ = nullptr;
    QLabel* labelv_ = nullptr;
    CanvasWidget* pic_ = nullptr;
    std::array<ModeButton*, Form::kModeCount> llabs_{};
    std::array<QLabel*, kBoxCount> lb_{};
    std::array<QLineEdit*, kBoxCount> tx_{};
    PictureButton* prt_ = nullptr;
    PictureButton* rprt_ = nullptr;
    PictureButton* cleara_ = nullptr;
    PictureButton* calc_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QLineEdit* setx_ = nullptr;
    QLineEdit* setdata_ = nullptr;
    LongListView* lis_ = nullptr;
    QAction* exact_ = nullptr;
    SoundPlayer* player_ = nullptr;
    QAction* playSound_ = nullptr;
    QAction* stopSound_ = nullptr;

    std::unique_ptr<ListResults> results_;
    // What the plotting area shows, as vectors for the exports.
    // Recorded in step with the plotting area, except after wheel notches.
    CurveRecorder drawing_;
    bool recordingBehind_ = false;
    std::unique_ptr<CanvasTee> canvases_;
    std::unique_ptr<Form> form_;
    BoxNotes* boxNotes_ = nullptr;
    bool centred_ = false;

    QAction* keyPoints_ = nullptr;
    Trace trace_;
    std::optional<QPoint> mousePixel_; // over the drawing rectangle
    bool showingModes_ = false;        // the mode buttons follow the form, not the user
    bool scrollQueued_ = false;
    QStringList curves_; // what the plotting area shows, for a screen reader
};

} // namespace oltrave
