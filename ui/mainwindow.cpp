#include "mainwindow.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "analysispanel.h"
#include "backdrop.h"
#include "boxnotes.h"
#include "centreonscreen.h"
#include "chooserbox.h"
#include "colourtable.h"
#include "layouttable.h"
#include "menuitemaccessible.h"
#include "modebutton.h"
#include "model/boxlimits.h"
#include "model/numtext.h"
#include "output/svgwriter.h"
#include "output/worksheet.h"
#include "picturebutton.h"
#include "platform/appearance.h"
#include "platform/canvaswidget.h"
#include "platform/graphemelimit.h"
#include "platform/imageformat.h"
#include "platform/listresults.h"
#include "platform/longlistview.h"
#include "platform/programstyle.h"
#include "platform/savefile.h"
#include "platform/soundplayer.h"
#include "platform/translation.h"
#include "programname.h"
#include "shortcutpassthrough.h"
#include "sound/curvesound.h"

namespace oltrave {

namespace {

const QColor kHighlight = QColor::fromRgb(colours::kHighlight);

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont semibold(const QString& face, qreal points) {
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(QFont::DemiBold);
    return font;
}

// The layout was made for a narrower face: texts that would not fit their
// room get the largest smaller size, in quarter points, at which all fit.
QFont fitting(QFont font, const QStringList& texts, int room) {
    constexpr qreal kStep = 0.25;
    constexpr qreal kSmallest = 6;
    const auto widest = [&font, &texts](qreal points) {
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font);
        qreal most = 0;
        for (const QString& text : texts)
            most = std::max(most, metrics.horizontalAdvance(text));
        return most;
    };
    const qreal start = font.pointSizeF();
    const qreal width = widest(start);
    if (width <= room || start <= kSmallest)
        return font;
    // Each size costs a font engine: start where widths in proportion to the
    // size would fit, then step, as hinting makes them only nearly proportional.
    const qreal steps = std::max(std::ceil((start - start * room / width) / kStep), 1.0);
    qreal points = std::max(start - steps * kStep, kSmallest);
    while (points + kStep < start && widest(points + kStep) <= room)
        points += kStep;
    while (points > kSmallest && widest(points) > room)
        points -= kStep;
    font.setPointSizeF(points);
    return font;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

template <typename Widget>
Widget* place(Widget* widget, const QString& name, const layout::Twips& at) {
    widget->setObjectName(name);
    widget->setGeometry(layout::pixels(at));
    return widget;
}

QLineEdit* textBox(QWidget* parent, const QString& name, int maxLength, const QFont& font,
                   const layout::Twips& at) {
    auto* box = place(new QLineEdit(parent), name, at);
    GraphemeLimit::apply(*box, maxLength);
    box->setFont(font);
    setColour(box, QPalette::Base, menuBarColour());
    return box;
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

// What a screen reader announces for a box: its caption without the " =".
QString accessibleCaption(QString caption) {
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char('=')))
        caption.chop(1);
    return caption.trimmed();
}

// The lines in list order, however they were selected.
QString listLines(const QListWidget& list, bool selectedOnly) {
    QStringList lines;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem* item = list.item(row);
        if (!selectedOnly || item->isSelected())
            lines << item->text();
    }
    return lines.join(QLatin1Char('\n'));
}

// Qt would present the plotting area as a bare frame.
QAccessibleInterface* plotAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(CanvasWidget::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
}

QAction* contextAction(QWidget* widget, const char* name, const QString& caption) {
    auto* action = new QAction(caption, widget);
    action->setObjectName(QLatin1String(name));
    widget->addAction(action);
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    return action;
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
    buildControls(registerProductFont(QCoreApplication::applicationDirPath()));
    buildMenus();
    buildContextMenus();
    setTabOrderAndTips();
    connectEvents();

    const QRect client = layout::pixels(layout::kClient);
    centralWidget()->setFixedSize(client.size());
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());

    results_ = std::make_unique<ListResults>(*lis_);
    canvases_ = std::make_unique<CanvasTee>(*pic_, drawing_);
    form_ = std::make_unique<Form>(*canvases_, *results_);
    boxNotes_ = new BoxNotes(*form_, tx_, setx_, setdata_, this);
    form_->start();
    describePlot(&Form::start, 0, 0);
    mirror();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls(const QString& face) {
    auto* client = new Backdrop(this);
    setCentralWidget(client);

    auto* typeCaption =
        place(new QLabel(tr("Type*"), client), QStringLiteral("Label1"), layout::kTypeCaption);
    typeCaption->setFont(semibold(face, 12));
    setColour(typeCaption, QPalette::WindowText, QColor::fromRgb(colours::kCaptionGrey));

    combotype_ = place(new ChooserBox(client), QStringLiteral("combotype"), layout::kChooser);
    combotype_->setAccessibleName(tr("Type"));
    typeCaption->setBuddy(combotype_);
    QStringList entries;
    for (int family = 0; family < familyCount(); ++family)
        entries << qs(inChosenLanguage(familyDescription(family)->entry));
    combotype_->addItems(entries);
    constexpr int kArrowAndMargins = 30;
    combotype_->setFont(
        fitting(semibold(face, 9.75), entries, combotype_->width() - kArrowAndMargins));

    labelv_ = place(new QLabel(client), QStringLiteral("labelv"), layout::kFormula);
    labelv_->setAlignment(Qt::AlignCenter);
    labelv_->setFont(semibold(face, 12));
    labelv_->setAutoFillBackground(true);
    setColour(labelv_, QPalette::Window, kHighlight);

    pic_ = place(new CanvasWidget(client), QStringLiteral("pic"), layout::kCanvas);
    pic_->setAccessibleName(tr("Plot"));

    const QStringList modeCaptions{"f(x)", "|f(x)|", "f(|x|)"};
    const QFont modeFont = fitting(semibold(face, 10.5), modeCaptions,
                                   layout::pixels(layout::kModeLabels[0]).width() - 2);
    for (int mode = 0; mode < Form::kModeCount; ++mode) {
        const auto i = static_cast<std::size_t>(mode);
        auto* choice = place(new ModeButton(modeCaptions[mode], client),
                             QStringLiteral("llabs%1").arg(mode), layout::kModeLabels[i]);
        choice->setFont(modeFont);
        setColour(choice, QPalette::Window, kHighlight);
        llabs_[i] = choice;
    }

    for (int box = 0; box < kBoxCount; ++box) {
        const auto i = static_cast<std::size_t>(box);
        lb_[i] = place(new QLabel(QString::number(box), client), QStringLiteral("lb%1").arg(box),
                       layout::kBoxLabels[i]);
        lb_[i]->setFont(semibold(face, 12));
        tx_[i] = textBox(client, QStringLiteral("tx%1").arg(box), kCoefficientMaxLength,
                         semibold(face, 10.5), layout::kBoxes[i]);
    }

    const auto button = [client](const char* name, const QString& caption,
                                 const layout::Twips& at) {
        return place(new PictureButton(QStringLiteral(":/art/button.svg"), caption, client),
                     QLatin1String(name), at);
    };
    prt_ = button("prt", tr("Print"), layout::kPrint);
    rprt_ = button("rprt", tr("RePrint"), layout::kReprint);
    cleara_ = button("cleara", tr("Clear"), layout::kClear);
    calc_ = button("calc", tr("Calculate"), layout::kCalculate);

    frame1_ = place(new QGroupBox(QStringLiteral(" x = "), client), QStringLiteral("Frame1"),
                    layout::kXFrame);
    frame1_->setFont(semibold(face, 9));
    frame1_->setAutoFillBackground(true);
    setColour(frame1_, QPalette::Window, QColor::fromRgb(colours::kXFrame));
    setx_ = textBox(frame1_, QStringLiteral("setx"), kXMaxLength, semibold(face, 9), layout::kXBox);
    setx_->setAccessibleName(accessibleCaption(frame1_->title()));

    auto* zoomCaption =
        place(new QLabel(tr("Zoom"), client), QStringLiteral("Label2"), layout::kZoomCaption);
    zoomCaption->setFont(semibold(face, 10.5));
    setdata_ = textBox(client, QStringLiteral("setdata"), kZoomMaxLength, semibold(face, 9),
                       layout::kZoomBox);
    setdata_->setAccessibleName(zoomCaption->text());

    lis_ = place(new LongListView(client), QStringLiteral("lis"), layout::kList);
    // Every command brings its lines into view (scrollToNewestLine); when
    // they already are, the view moves with them at once.
    lis_->setFollowsEnd(true);
    lis_->setAccessibleName(tr("Results"));
    // Lines can be selected for copying; the list itself only ever grows or empties.
    lis_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QFont listFont(regularFamily());
    listFont.setPointSizeF(9);
    listFont.setWeight(QFont::Normal);
    lis_->setFont(listFont);
    setColour(lis_, QPalette::Base, menuBarColour());
}

// Hidden boxes and disabled modes drop out of the order by themselves; of the
// modes, only the chosen one is a Tab stop. Qt orders only controls that take
// the focus at that moment: the form has not chosen a mode yet.
void MainWindow::setTabOrderAndTips() {
    QList<QWidget*> order{combotype_};
    order += QList<QWidget*>(tx_.begin(), tx_.end());
    order += QList<QWidget*>(llabs_.begin(), llabs_.end());
    order += {prt_, rprt_, cleara_, setx_, calc_, setdata_, lis_, pic_};
    pic_->setFocusPolicy(Qt::StrongFocus);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    const auto withShortcut = [this](QWidget* control, const QString& tip, const char* command) {
        const QKeySequence keys = findChild<QAction*>(QLatin1String(command))->shortcut();
        control->setToolTip(
            QStringLiteral("%1 (%2)").arg(tip, keys.toString(QKeySequence::NativeText)));
    };
    withShortcut(prt_, tr("Plot the curve"), "print");
    withShortcut(rprt_, tr("Clear the plot and the list, then plot"), "reprint");
    withShortcut(cleara_, tr("Clear the boxes, the plot and the list"), "clear");
    withShortcut(calc_, tr("Value of the function at x"), "calculate");
    for (ModeButton* choice : llabs_)
        choice->setToolTip(tr("Plot f(x), |f(x)| or f(|x|) (arrow keys choose)"));
    setdata_->setToolTip(tr("The plot runs from -zoom to zoom on both axes"));
    combotype_->setToolTip(tr("Function family"));
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& shortcut, void (Form::*command)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    addAction(action); // the shortcut works while the menu is closed
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    return action;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("File(&F)"));
    file->setObjectName(QStringLiteral("file"));
    const auto fileCommand = [this, file](const char* name, const QString& caption,
                                          void (MainWindow::*handler)()) {
        QAction* action = file->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    fileCommand("filesaveimage", tr("Save Image(&S)..."), &MainWindow::saveImage);
    fileCommand("fileexportpdf", tr("Export Worksheet (PDF)(&W)..."), &MainWindow::exportWorksheet);
    fileCommand("fileexportsvg", tr("Export SVG(&G)..."), &MainWindow::exportSvg);
    // Ctrl+P is the Print command of the Edit menu.
    QAction* print =
        fileCommand("fileprint", tr("Print Worksheet(&P)..."), &MainWindow::printWorksheet);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    addAction(print);
    file->addSeparator()->setObjectName(QStringLiteral("file_line1"));
    QAction* quit = file->addAction(tr("Quit(&Q)"));
    quit->setObjectName(QStringLiteral("quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addAction(quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("Edit(&E)"));
    edit->setObjectName(QStringLiteral("edit"));
    const QList<QAction*> commands{
        addCommand(edit, "print", tr("Print(&P)"), QKeySequence(Qt::CTRL | Qt::Key_P), &Form::plot),
        addCommand(edit, "reprint", tr("RePrint(&R)"), QKeySequence(Qt::CTRL | Qt::Key_R),
                   &Form::replot),
        addCommand(edit, "calculate", tr("Calculate(&A)"), QKeySequence(Qt::CTRL | Qt::Key_A),
                   &Form::evaluate),
    };
    edit->addSeparator()->setObjectName(QStringLiteral("menu_line1"));
    QAction* clear = addCommand(edit, "clear", tr("Clear(&L)"),
                                QKeySequence(Qt::SHIFT | Qt::Key_Delete), &Form::clearAll);

    QMenu* view = menuBar()->addMenu(tr("View(&V)"));
    view->setObjectName(QStringLiteral("view"));
    exact_ = view->addAction(tr("Exact Values"));
    exact_->setObjectName(QStringLiteral("exact"));
    exact_->setCheckable(true);
    exact_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    addAction(exact_);
    connect(exact_, &QAction::toggled, this, [this](bool on) {
        form_->setExactValues(on);
        boxNotes_->refresh();
        emit exactValuesToggled(on);
    });
    keyPoints_ = view->addAction(tr("Key Points(&K)"));
    keyPoints_->setObjectName(QStringLiteral("keypoints"));
    keyPoints_->setCheckable(true);
    connect(keyPoints_, &QAction::toggled, this, [this](bool on) {
        refreshMarks();
        emit keyPointsToggled(on);
    });
    AnalysisPanel::install(*this, *view);
    view->addSeparator();
    buildSoundItems(view);
    view->addSeparator();
    buildLanguageMenu(view);

    QMenu* help = menuBar()->addMenu(tr("Help(&H)"));
    help->setObjectName(QStringLiteral("help"));
    QAction* about = help->addAction(aboutCaption());
    about->setObjectName(QStringLiteral("informationabout"));
    connect(about, &QAction::triggered, this, &MainWindow::aboutRequested);

    // Popups read as their menu's words, whichever menus the bar holds.
    for (QAction* entry : menuBar()->actions()) {
        if (QMenu* menu = entry->menu())
            menu->setAccessibleName(MenuItemAccessible::spoken(menu->title()));
    }

    // Every control: the mode buttons' focus policy follows the chosen mode.
    auto* passThrough = new ShortcutPassThrough(commands + QList<QAction*>{clear, exact_}, this);
    for (QWidget* widget : centralWidget()->findChildren<QWidget*>())
        passThrough->watch(widget);
}

void MainWindow::setExactValues(bool on) {
    const QSignalBlocker quiet(exact_); // nothing to remember: the caller set it
    exact_->setChecked(on);
    form_->setExactValues(on);
    boxNotes_->refresh();
}

bool MainWindow::exactValues() const {
    return exact_->isChecked();
}

void MainWindow::buildSoundItems(QMenu* view) {
    player_ = new SoundPlayer(this);
    playSound_ = view->addAction(tr("Play Curve as Sound(&S)"));
    playSound_->setObjectName(QStringLiteral("playsound"));
    playSound_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addAction(playSound_);
    connect(playSound_, &QAction::triggered, this, &MainWindow::playCurve);
    // Esc belongs to the sound only while one plays.
    stopSound_ = view->addAction(tr("Stop Sound"));
    stopSound_->setObjectName(QStringLiteral("stopsound"));
    stopSound_->setShortcut(QKeySequence(Qt::Key_Escape));
    stopSound_->setEnabled(false);
    addAction(stopSound_);
    connect(stopSound_, &QAction::triggered, player_, &SoundPlayer::stop);
    connect(player_, &SoundPlayer::stopped, this, [this] { stopSound_->setEnabled(false); });
}

void MainWindow::playCurve() {
    const QString title = tr("Play Curve as Sound");
    const std::optional<sound::PlottedCurve> curve = sound::plottedCurve(*form_);
    if (!curve) {
        QMessageBox::information(this, title,
                                 tr("There is no curve to play yet: Print one first."));
        return;
    }
    const QString error = player_->play(sound::renderCurve(*curve));
    stopSound_->setEnabled(player_->playing());
    if (!error.isEmpty())
        QMessageBox::warning(this, title, error);
}

bool MainWindow::playingSound() const {
    return player_->playing();
}

// Each language is named in its own words, whatever the window speaks.
void MainWindow::buildLanguageMenu(QMenu* view) {
    QMenu* languages = view->addMenu(tr("Language(&L)"));
    languages->setObjectName(QStringLiteral("language"));
    auto* group = new QActionGroup(languages);
    const std::pair<Language, QString> choices[] = {
        {Language::English, QStringLiteral("English")},
        {Language::Chinese, QStringLiteral("简体中文")},
    };
    for (const auto& [language, name] : choices) {
        QAction* action = languages->addAction(name);
        action->setObjectName(QStringLiteral("language_") + qs(languageCode(language)));
        action->setCheckable(true);
        action->setChecked(language == chosenLanguage());
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, language = language] { pickLanguage(language); });
    }
}

// The words change at once; the list keeps the lines it holds.
void MainWindow::pickLanguage(Language language) {
    emit languageChosen(language);
    if (language == chosenLanguage())
        return;
    useLanguage(language);
    retranslate();
}

void MainWindow::buildContextMenus() {
    QAction* copy = contextAction(lis_, "copy", tr("Copy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [this] { copyLines(true); });
    QAction* copyAll = contextAction(lis_, "copyall", tr("Copy All"));
    connect(copyAll, &QAction::triggered, this, [this] { copyLines(false); });

    QAction* save = contextAction(pic_, "saveimage", tr("Save Image..."));
    connect(save, &QAction::triggered, this, &MainWindow::saveImage);
    QAction* pdf = contextAction(pic_, "exportpdf", tr("Export Worksheet (PDF)..."));
    connect(pdf, &QAction::triggered, this, &MainWindow::exportWorksheet);
    QAction* svg = contextAction(pic_, "exportsvg", tr("Export SVG..."));
    connect(svg, &QAction::triggered, this, &MainWindow::exportSvg);
    QAction* print = contextAction(pic_, "printworksheet", tr("Print Worksheet..."));
    connect(print, &QAction::triggered, this, &MainWindow::printWorksheet);
}

// Nothing to copy leaves the clipboard as it was.
void MainWindow::copyLines(bool selectedOnly) {
    if (selectedOnly ? lis_->selectedItems().isEmpty() : lis_->count() == 0)
        return;
    QGuiApplication::clipboard()->setText(listLines(*lis_, selectedOnly));
}

void MainWindow::saveImage() {
    QFileDialog dialog(this, tr("Save Image"));
    dialog.setNameFilters(imageNameFilters());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    dialog.setDirectory(QDir(pictures).exists() ? pictures : QDir::homePath());
    dialog.selectFile(QStringLiteral("plot.png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const QString error = pic_->saveImage(path);
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("Save Image"),
                             tr("The image could not be written.\n%1").arg(error));
}

// Empty when the person cancels.
QString MainWindow::askSavePath(const QString& title, const QString& filter,
                                const QString& fileName) {
    QFileDialog dialog(this, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(fileName).suffix());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void MainWindow::reportSaveError(const QString& title, const QString& error) {
    if (!error.isEmpty())
        QMessageBox::warning(this, title, tr("The file could not be written.\n%1").arg(error));
}

// The plot as the plotting area shows it, the list's first line (the
// formula of the first plot) as the title, and every line.
Worksheet MainWindow::worksheet() {
    catchUpRecording();
    Worksheet sheet;
    sheet.heading = programName();
    sheet.title = lis_->count() > 0 ? lis_->item(0)->text() : labelv_->text();
    sheet.scaleNote = scaleNote(qs(numtext(form_->zoom())));
    for (int row = 0; row < lis_->count(); ++row)
        sheet.lines << lis_->item(row)->text();
    sheet.drawing = &drawing_;
    sheet.plotShape = pic_->contentsRect().size();
    sheet.background = menuBarColour();
    sheet.ink = pic_->palette().color(QPalette::WindowText);
    sheet.marks = pic_->marks();
    return sheet;
}

void MainWindow::exportWorksheet() {
    const QString title = tr("Export Worksheet");
    const QString path =
        askSavePath(title, tr("PDF document (*.pdf)"), QStringLiteral("worksheet.pdf"));
    if (path.isEmpty())
        return;
    const Worksheet sheet = worksheet();
    reportSaveError(title, saveFile(path, [&sheet](QIODevice& device, QString&) {
                        return writeWorksheetPdf(device, sheet);
                    }));
}

void MainWindow::exportSvg() {
    const QString title = tr("Export SVG");
    const QString path = askSavePath(title, tr("SVG image (*.svg)"), QStringLiteral("plot.svg"));
    if (path.isEmpty())
        return;
    catchUpRecording();
    const QSize size = pic_->contentsRect().size();
    const QColor ink = pic_->palette().color(QPalette::WindowText);
    reportSaveError(title, saveFile(path, [this, size, ink](QIODevice& device, QString&) {
                        return writeSvg(device, drawing_, size, menuBarColour(), ink,
                                        pic_->marks());
                    }));
}

void MainWindow::printWorksheet() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Worksheet"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Worksheet"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::warning(this, dialog.windowTitle(), tr("The printer could not be started."));
        return;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    paintWorksheet(painter, QRectF(QPointF(0, 0), page.size()), worksheet());
}

void MainWindow::connectEvents() {
    connect(combotype_, &QComboBox::activated, this, [this](int family) {
        form_->chooseFamily(family);
        mirror();
    });
    // A click, Space, an arrow key or a screen reader's toggle all end here.
    for (int mode = 0; mode < Form::kModeCount; ++mode) {
        connect(llabs_[static_cast<std::size_t>(mode)], &ModeButton::toggled, this,
                [this, mode](bool chosen) {
                    if (!chosen || showingModes_)
                        return;
                    form_->clickMode(mode);
                    mirror();
                });
    }
    for (int box = 0; box < kBoxCount; ++box) {
        QLineEdit* edit = tx_[static_cast<std::size_t>(box)];
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
            form_->editBox(box, text.toStdString());
            mirror();
        });
        connect(edit, &QLineEdit::returnPressed, this, [this] { run(&Form::plot); });
    }
    connect(setx_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_->editX(text.toStdString());
        mirror();
    });
    connect(setx_, &QLineEdit::returnPressed, this, [this] { run(&Form::evaluate); });
    // Enter in the zoom box does nothing.
    connect(setdata_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_->editZoom(text.toStdString());
        mirror();
        // The guard put its own text there: the next key replaces it.
        if (setdata_->text() != text)
            setdata_->selectAll();
    });
    connect(lis_->model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (scrollQueued_)
            return;
        scrollQueued_ = true; // once for all the lines a command appends
        QTimer::singleShot(0, this, &MainWindow::scrollToNewestLine);
    });

    connect(lis_, &QListWidget::itemSelectionChanged, this, &MainWindow::refreshMarks);
    connect(pic_, &CanvasWidget::hovered, this, &MainWindow::hover);
    connect(pic_, &CanvasWidget::left, this, &MainWindow::leaveArea);
    connect(pic_, &CanvasWidget::wheelTurned, this, &MainWindow::wheelZoom);
    connect(pic_, &CanvasWidget::doubleClicked, this, [this](QPoint pixel) {
        hover(pixel);
        enterTrace();
    });
    connect(pic_, &CanvasWidget::traceKeyPressed, this, &MainWindow::traceKey);
    connect(pic_, &CanvasWidget::traceEntered, this, &MainWindow::enterTrace);

    connect(prt_, &PictureButton::clicked, this, [this] { run(&Form::plot); });
    connect(rprt_, &PictureButton::clicked, this, [this] { run(&Form::replot); });
    connect(cleara_, &PictureButton::clicked, this, [this] { run(&Form::clearAll); });
    connect(calc_, &PictureButton::clicked, this, [this] { run(&Form::evaluate); });
}

void MainWindow::catchUpRecording() {
    if (!recordingBehind_)
        return;
    recordingBehind_ = false;
    form_->redrawArea(drawing_);
}

void MainWindow::run(void (Form::*command)()) {
    catchUpRecording();
    const bool emptiesList = command == &Form::replot || command == &Form::clearAll;
    const int firstNewLine = emptiesList ? 0 : lis_->count();
    const int pointsBefore = pic_->pointCount();
    {
        const LongListView::Batch lines(*lis_);
        ((*form_).*command)();
    }
    describePlot(command, firstNewLine, pointsBefore);
    mirror();
}

void MainWindow::scrollToNewestLine() {
    scrollQueued_ = false;
    lis_->scrollToBottom();
}

// A curve is the first line its plot appended; the list says what it is, the
// plotting area how many points it took.
void MainWindow::describePlot(void (Form::*command)(), int firstNewLine, int pointsBefore) {
    const bool plotting = command == &Form::plot || command == &Form::replot;
    if (pic_->pointCount() == 0) {
        curves_.clear();
    } else if (plotting && lis_->count() > firstNewLine) {
        if (command == &Form::replot)
            curves_.clear();
        if (command == &Form::replot || pic_->pointCount() > pointsBefore)
            curves_ << lis_->item(firstNewLine)->text().trimmed();
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
    if (const QString readout = pic_->traceText(); !readout.isEmpty())
        description = readout + QStringLiteral("; ") + description;
    pic_->setAccessibleDescription(description);
}

void MainWindow::mirror() {
    const Form& form = *form_;
    labelv_->setText(qs(form.formulaLabel()));
    {
        const QSignalBlocker block(combotype_);
        combotype_->setCurrentIndex(form.family());
    }
    for (int box = 0; box < kBoxCount; ++box) {
        const auto i = static_cast<std::size_t>(box);
        lb_[i]->setText(qs(form.caption(box)));
        tx_[i]->setAccessibleName(accessibleCaption(lb_[i]->text()));
        lb_[i]->setVisible(form.boxVisible(box));
        tx_[i]->setVisible(form.boxVisible(box));
        showText(tx_[i], form.boxText(box));
    }
    showingModes_ = true;
    for (int mode = 0; mode < Form::kModeCount; ++mode) {
        ModeButton* choice = llabs_[static_cast<std::size_t>(mode)];
        choice->setEnabled(form.modesEnabled());
        choice->setChecked(mode == form.absmode());
    }
    showingModes_ = false;
    showText(setx_, form.xText());
    showText(setdata_, form.zoomText());
    refreshMarks();
    refreshTrace();
    if (boxNotes_)
        boxNotes_->refresh();
    emit formMirrored();
}

// ---- The layer above the plot ----------------------------------------------

void MainWindow::setKeyPoints(bool on) {
    const QSignalBlocker quiet(keyPoints_); // nothing to remember: the caller set it
    keyPoints_->setChecked(on);
    refreshMarks();
}

Viewport MainWindow::viewport() const {
    const QSize size = pic_->drawingSize();
    return {form_->zoom(), size.width(), size.height()};
}

void MainWindow::refreshMarks() {
    if (!keyPoints_ || !keyPoints_->isChecked()) {
        pic_->setMarks({}, {});
        return;
    }
    std::vector<int> rows;
    for (const QModelIndex& index : lis_->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    const std::vector<MarkedLine> lines = linesOnCurves(form_->markedLines(), form_->drawnCurves());
    const Viewport view = viewport();
    pic_->setMarks(marksInView(lines, view.zoom, rows), selectedStretches(lines, rows, view));
}

void MainWindow::refreshTrace() {
    const Viewport view = viewport();
    const std::optional<Readout> readout = trace_.readout(view, form_->drawnCurves());
    if (!readout) {
        pic_->setTrace(std::nullopt);
        describeArea();
        return;
    }
    CanvasWidget::TraceShown shown;
    shown.x = readout->x;
    // A value off the view still places the read-out at the nearer edge.
    const double margin = view.zoom * 1.1;
    shown.y = std::clamp(readout->y.value_or(0.0), -margin, margin);
    shown.dot = readout->onCurve && readout->y && view.inside(*readout->y);
    shown.text = qs(readout->text());
    pic_->setTrace(shown);
    describeArea();
}

void MainWindow::hover(QPoint pixel) {
    mousePixel_ = pixel;
    trace_.hover(viewport(), pixel.x(), pixel.y());
    refreshTrace();
}

void MainWindow::leaveArea() {
    mousePixel_.reset();
    trace_.hide();
    refreshTrace();
}

// Only the plotting area is redrawn at each notch: recording the curves for
// the exports costs more than drawing them, and waits until an export or the
// next command needs the recording.
void MainWindow::wheelZoom(int notches) {
    canvases_->holdBackSecond(true);
    recordingBehind_ = form_->wheelZoom(notches) || recordingBehind_;
    canvases_->holdBackSecond(false);
    // The mouse stays where it was, over another point of the plane.
    if (mousePixel_)
        trace_.hover(viewport(), mousePixel_->x(), mousePixel_->y());
    mirror();
}

// The lines of the traced curve, whose marks the page keys visit.
std::vector<MarkedLine> MainWindow::tracedCurveLines() const {
    const std::vector<DrawnCurve>& curves = form_->drawnCurves();
    std::vector<MarkedLine> lines;
    const std::optional<std::size_t> traced = trace_.curve(curves.size());
    if (!traced)
        return lines;
    for (const MarkedLine& line : form_->markedLines()) {
        if (line.curve == curves[*traced])
            lines.push_back(line);
    }
    return lines;
}

void MainWindow::traceKey(CanvasWidget::TraceKey key) {
    using Key = CanvasWidget::TraceKey;
    using Move = Trace::Move;
    Move move = Move::Left;
    switch (key) {
    case Key::Left: move = Move::Left; break;
    case Key::Right: move = Move::Right; break;
    case Key::FarLeft: move = Move::FarLeft; break;
    case Key::FarRight: move = Move::FarRight; break;
    case Key::Home: move = Move::Home; break;
    case Key::End: move = Move::End; break;
    case Key::PageUp: move = Move::PreviousMark; break;
    case Key::PageDown: move = Move::NextMark; break;
    case Key::Up: move = Move::PreviousCurve; break;
    case Key::Down: move = Move::NextCurve; break;
    }
    const Viewport view = viewport();
    const std::vector<double> xs = markXs(marksInView(tracedCurveLines(), view.zoom, {}));
    trace_.move(move, view, form_->drawnCurves().size(), xs);
    refreshTrace();
    soundTraceStep(move == Move::PreviousMark || move == Move::NextMark);
}

// A step of the keyboard trace sounds the traced point; landing on a mark, the
// cue the sweep gives that point. Without a sound device the step stays
// silent: the read-out still speaks, and Play Curve as Sound says why.
void MainWindow::soundTraceStep(bool toMark) {
    const Viewport view = viewport();
    const std::vector<DrawnCurve>& curves = form_->drawnCurves();
    const std::optional<Readout> readout = trace_.readout(view, curves);
    const std::optional<std::size_t> traced = trace_.curve(curves.size());
    if (!readout || !traced)
        return;
    const DrawnCurve& curve = curves[*traced];
    const std::optional<sound::CueKind> cue =
        toMark ? sound::cueAt({curve.family, curve.absmode, curve.coef, view.zoom}, readout->x)
               : std::nullopt;
    player_->play(cue ? sound::renderCue(*cue, readout->x, view.zoom)
                      : sound::renderStepTone(readout->x, readout->y, view.zoom));
    emit traceSounded(cue ? static_cast<int>(*cue) : kTraceTone);
}

// The traced x goes into the x box as the read-out writes it, then Calculate runs.
void MainWindow::enterTrace() {
    const std::optional<Readout> readout = trace_.readout(viewport(), form_->drawnCurves());
    if (!readout)
        return;
    form_->editX(readout->xText);
    run(&Form::evaluate);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_ || !screen())
        return;
    centred_ = true;
    centreOnScreen(*this);
}

} // namespace oltrave
