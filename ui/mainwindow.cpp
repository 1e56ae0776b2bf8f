#include "mainwindow.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTimer>
#include <utility>

#include "analysispanel.h"
#include "boxnotes.h"
#include "centreonscreen.h"
#include "formcontrols.h"
#include "gridscale.h"
#include "layouttable.h"
#include "menuitemaccessible.h"
#include "modebutton.h"
#include "model/numtext.h"
#include "overlaycontroller.h"
#include "picturebutton.h"
#include "platform/appearance.h"
#include "platform/canvaswidget.h"
#include "platform/longlistview.h"
#include "platform/programstyle.h"
#include "platform/sessionlistmodel.h"
#include "plotexports.h"
#include "plotrecording.h"
#include "plotwindow.h"
#include "programname.h"
#include "sessionfiles.h"
#include "soundactions.h"
#include "undoactions.h"
#include "windowmenus.h"

namespace oltrave {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Sets a text the form holds. Only a user's edit reaches the form, so the
// form's change handling never runs twice for one change.
void showText(QLineEdit* box, const std::string& text) {
    const QString shown = qs(text);
    if (box->text() == shown)
        return; // keeps the cursor where the user left it
    const QSignalBlocker block(box);
    box->setText(shown);
}

// Qt would present the plotting area as a bare frame.
QAccessibleInterface* plotAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(CanvasWidget::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
}

UndoableCommand undoable(FormCommand command) {
    switch (command) {
    case FormCommand::Plot: return UndoableCommand::Print;
    case FormCommand::Replot: return UndoableCommand::RePrint;
    case FormCommand::Evaluate: return UndoableCommand::Calculate;
    case FormCommand::ClearAll: return UndoableCommand::Clear;
    }
    return UndoableCommand::Print;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    // Before any control exists, so none is built in the plain style first.
    useProgramStyle();
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(programName());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    MenuItemAccessible::install();
    static const bool plotDescribed = (QAccessible::installFactory(plotAccessible), true);
    (void)plotDescribed;
    // The pictures are light whatever the desktop's colours are.
    setPalette(designedPalette());
    controls_ =
        new FormControls(*this, registerProductFont(QCoreApplication::applicationDirPath()));
    lines_ = new SessionListModel(session_, controls_->lis);
    controls_->lis->setModel(lines_);
    session_.listen([this](const SessionChange& change) { lines_->follow(change); });

    recording_ = std::make_unique<PlotRecording>(*controls_->pic);
    form_ = std::make_unique<Form>(recording_->canvas(), session_);
    exports_ = new PlotExports(*this, *form_, *recording_, *controls_->pic);
    menus_ = new WindowMenus(
        *this, *form_, *exports_, [this](FormCommand c) { run(c); },
        [this](QMenu& view) {
            gridscale::install(*controls_->pic, view);
            PlotWindow::install(*this, view);
            AnalysisPanel::install(*this, view);
        });
    menus_->addContextMenus(*controls_->lis, *controls_->pic);
    controls_->orderAndExplain(*this);
    overlay_ = new OverlayController(*form_, *controls_->pic, *controls_->lis, *recording_,
                                     menus_->sound());
    boxNotes_ = new BoxNotes(*form_, controls_->tx, controls_->setx, controls_->setdata, this);
    undo_ = new UndoActions(*this, *form_, session_, *controls_->lis,
                            {controls_->tx[0], controls_->tx[1], controls_->tx[2], controls_->tx[3],
                             controls_->setx, controls_->setdata},
                            [this] { showStep(); });
    sessions_ = new SessionFiles(
        *this,
        [this] {
            SavedSession saved = form_->saved();
            saved.keyPoints = menus_->keyPoints()->isChecked();
            return saved;
        },
        [this](SavedSession saved) { openSession(std::move(saved)); });
    connectEvents();

    const QRect client = layout::pixels(layout::kClient);
    centralWidget()->setFixedSize(client.size());
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());

    form_->start();
    describePlot(std::nullopt, 0, 0);
    mirror();
}

MainWindow::~MainWindow() = default;

const CanvasWidget& MainWindow::canvas() const {
    return *controls_->pic;
}

bool MainWindow::playingSound() const {
    return menus_->sound().playing();
}

void MainWindow::setExactValues(bool on) {
    const QSignalBlocker quiet(menus_->exact()); // nothing to remember: the caller set it
    menus_->exact()->setChecked(on);
    form_->setExactValues(on);
    boxNotes_->refresh();
}

bool MainWindow::exactValues() const {
    return menus_->exact()->isChecked();
}

bool MainWindow::keyPoints() const {
    return menus_->keyPoints()->isChecked();
}

void MainWindow::showAnalysis(std::optional<Analysis> analysis, std::vector<int> selectedRows) {
    overlay_->setAnalysis(std::move(analysis), std::move(selectedRows));
}

void MainWindow::setKeyPoints(bool on) {
    const QSignalBlocker quiet(menus_->keyPoints()); // nothing to remember: the caller set it
    menus_->keyPoints()->setChecked(on);
    overlay_->setKeyPoints(on);
}

void MainWindow::connectEvents() {
    FormControls& c = *controls_;
    connect(c.combotype, &QComboBox::activated, this, [this](int family) {
        undo_->record(UndoableCommand::Family, [&] { form_->chooseFamily(family); });
        mirror();
    });
    // A click, Space, an arrow key or a screen reader's toggle all end here.
    for (int mode = 0; mode < Form::kModeCount; ++mode) {
        connect(c.llabs[static_cast<std::size_t>(mode)], &ModeButton::toggled, this,
                [this, mode](bool chosen) {
                    if (!chosen || showingModes_)
                        return;
                    undo_->record(UndoableCommand::Mode, [&] { form_->clickMode(modeAt(mode)); });
                    mirror();
                });
    }
    for (int box = 0; box < kBoxCount; ++box) {
        QLineEdit* edit = c.tx[static_cast<std::size_t>(box)];
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
            form_->editBox(box, text.toStdString());
            mirror();
        });
        connect(edit, &QLineEdit::returnPressed, this, [this] { run(FormCommand::Plot); });
    }
    connect(c.setx, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_->editX(text.toStdString());
        mirror();
    });
    connect(c.setx, &QLineEdit::returnPressed, this, [this] { run(FormCommand::Evaluate); });
    // Enter in the zoom box does nothing.
    connect(c.setdata, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_->editZoom(text.toStdString());
        mirror();
        // The guard put its own text there: the next key replaces it.
        if (controls_->setdata->text() != text)
            controls_->setdata->selectAll();
    });
    connect(lines_, &QAbstractItemModel::rowsInserted, this, [this] {
        if (scrollQueued_)
            return;
        scrollQueued_ = true; // once for all the lines a command appends
        QTimer::singleShot(0, this, &MainWindow::scrollToNewestLine);
    });

    connect(menus_->exact(), &QAction::toggled, this, [this](bool on) {
        form_->setExactValues(on);
        boxNotes_->refresh();
        emit exactValuesToggled(on);
    });
    connect(menus_->keyPoints(), &QAction::toggled, this, [this](bool on) {
        overlay_->setKeyPoints(on);
        emit keyPointsToggled(on);
    });
    connect(menus_, &WindowMenus::aboutRequested, this, &MainWindow::aboutRequested);
    connect(menus_, &WindowMenus::languageChosen, this, &MainWindow::languageChosen);
    connect(menus_, &WindowMenus::languageSwitched, this, &MainWindow::retranslate);
    connect(&menus_->sound(), &SoundActions::traceSounded, this, &MainWindow::traceSounded);

    connect(c.lis->selectionModel(), &QItemSelectionModel::selectionChanged, overlay_,
            &OverlayController::refreshMarks);
    connect(overlay_, &OverlayController::traceChanged, this, &MainWindow::describeArea);
    connect(c.pic, &CanvasWidget::hovered, overlay_, &OverlayController::hover);
    connect(c.pic, &CanvasWidget::left, overlay_, &OverlayController::leave);
    connect(c.pic, &CanvasWidget::wheelTurned, this, [this](int notches) {
        undo_->record(UndoableCommand::Zoom, [&] { overlay_->wheelZoom(notches); });
        mirror();
    });
    connect(c.pic, &CanvasWidget::doubleClicked, this, [this](QPoint pixel) {
        overlay_->hover(pixel);
        enterTrace();
    });
    connect(c.pic, &CanvasWidget::traceMoved, overlay_, &OverlayController::move);
    connect(c.pic, &CanvasWidget::traceEntered, this, &MainWindow::enterTrace);

    connect(c.prt, &PictureButton::clicked, this, [this] { run(FormCommand::Plot); });
    connect(c.rprt, &PictureButton::clicked, this, [this] { run(FormCommand::Replot); });
    connect(c.cleara, &PictureButton::clicked, this, [this] { run(FormCommand::ClearAll); });
    connect(c.calc, &PictureButton::clicked, this, [this] { run(FormCommand::Evaluate); });
}

void MainWindow::run(FormCommand command, const std::function<void()>& enter) {
    recording_->upToDate(*form_);
    const bool emptiesList = command == FormCommand::Replot || command == FormCommand::ClearAll;
    const int firstNewLine = emptiesList ? 0 : session_.lineCount();
    const int pointsBefore = controls_->pic->pointCount();
    {
        const LongListView::Batch lines(*controls_->lis);
        undo_->record(undoable(command), [&] {
            if (enter)
                enter();
            form_->run(command);
        });
    }
    describePlot(command, firstNewLine, pointsBefore);
    mirror();
}

void MainWindow::printEntered(const CurveEntry& entry) {
    run(FormCommand::Plot, [&] { enterCurve(*form_, entry); });
}

void MainWindow::setPreview(std::optional<AnalysedCurve> curve) {
    if (!curve && !preview_)
        return;
    preview_ = std::move(curve);
    emit previewChanged();
}

void MainWindow::openSession(SavedSession saved) {
    const bool exact = saved.exactValues;
    const bool keyPoints = saved.keyPoints;
    {
        const LongListView::Batch lines(*controls_->lis);
        undo_->record(UndoableCommand::OpenSession, [&] { form_->open(std::move(saved)); });
    }
    setExactValues(exact);
    setKeyPoints(keyPoints);
    showStep();
    scrollCancelled_ = false; // an opened list shows its newest line
}

void MainWindow::showStep() {
    scrollCancelled_ = scrollQueued_;
    recording_->caughtUp();
    // A plot's first line names its curve; the newest few, as after a command.
    curves_.clear();
    for (int row = session_.lineCount() - 1; row >= 0 && curves_.size() < 10; --row) {
        const SessionLine& line = session_.line(row);
        if (line.curve && !line.text.starts_with(' '))
            curves_.prepend(qs(line.text).trimmed());
    }
    describePlot(std::nullopt, 0, 0);
    mirror();
}

// The traced x goes into the x box as the read-out writes it, then Calculate runs.
void MainWindow::enterTrace() {
    if (const std::optional<std::string> x = overlay_->tracedX()) {
        form_->editX(*x);
        run(FormCommand::Evaluate);
    }
}

void MainWindow::scrollToNewestLine() {
    scrollQueued_ = false;
    if (std::exchange(scrollCancelled_, false))
        return;
    controls_->lis->scrollToBottom();
}

// A curve is the first line its plot appended; the session says what it is,
// the plotting area how many points it took.
void MainWindow::describePlot(std::optional<FormCommand> command, int firstNewLine,
                              int pointsBefore) {
    const bool replot = command == FormCommand::Replot;
    const bool plotting = command == FormCommand::Plot || replot;
    const int points = controls_->pic->pointCount();
    if (points == 0) {
        curves_.clear();
    } else if (plotting && session_.lineCount() > firstNewLine) {
        if (replot)
            curves_.clear();
        if (replot || points > pointsBefore)
            curves_ << qs(session_.line(firstNewLine).text).trimmed();
        // The newest few: a description of thousands of curves helps nobody
        // and would cost every command more than the command itself.
        constexpr qsizetype kDescribedCurves = 10;
        if (curves_.size() > kDescribedCurves)
            curves_.erase(curves_.begin(), curves_.end() - kDescribedCurves);
    }
    describeArea();
}

// The trace's read-out first, while there is one, then what the area shows.
void MainWindow::describeArea() {
    const QString zoom = qs(numtext(form_->zoom()));
    QString description =
        curves_.isEmpty() ? tr("empty")
                          : tr("%1, from -%2 to %2").arg(curves_.join(QStringLiteral("; ")), zoom);
    if (const QString readout = controls_->pic->traceText(); !readout.isEmpty())
        description = readout + QStringLiteral("; ") + description;
    controls_->pic->setAccessibleDescription(description);
}

void MainWindow::mirror() {
    const Form& form = *form_;
    FormControls& c = *controls_;
    c.labelv->setText(qs(form.formulaLabel()));
    {
        const QSignalBlocker block(c.combotype);
        c.combotype->setCurrentIndex(form.family());
    }
    for (int box = 0; box < kBoxCount; ++box) {
        const auto i = static_cast<std::size_t>(box);
        c.lb[i]->setText(qs(form.caption(box)));
        c.tx[i]->setAccessibleName(accessibleCaption(c.lb[i]->text()));
        c.lb[i]->setVisible(form.boxVisible(box));
        c.tx[i]->setVisible(form.boxVisible(box));
        showText(c.tx[i], form.boxText(box));
    }
    showingModes_ = true;
    for (int mode = 0; mode < Form::kModeCount; ++mode) {
        ModeButton* choice = c.llabs[static_cast<std::size_t>(mode)];
        choice->setEnabled(form.modesEnabled());
        choice->setChecked(modeAt(mode) == form.absmode());
    }
    showingModes_ = false;
    showText(c.setx, form.xText());
    showText(c.setdata, form.zoomText());
    overlay_->refresh();
    if (boxNotes_)
        boxNotes_->refresh();
    emit formMirrored();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_ || !screen())
        return;
    centred_ = true;
    centreOnScreen(*this);
}

} // namespace oltrave
