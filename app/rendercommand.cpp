#include "rendercommand.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <cstdio>

#include "analysis/plotted.h"
#include "analysis/rows.h"
#include "cliwords.h"
#include "commandline.h"
#include "model/form.h"
#include "model/numtext.h"
#include "output/curverecorder.h"
#include "output/gridpainter.h"
#include "output/markpainter.h"
#include "output/svgwriter.h"
#include "output/worksheet.h"
#include "overlay/keypoints.h"
#include "platform/appearance.h"
#include "platform/canvaswidget.h"
#include "platform/imagecanvas.h"
#include "platform/savefile.h"
#include "platform/translation.h"
#include "plotsteps.h"
#include "readingwarnings.h"
#include "subcommands.h"
#include "ui/layouttable.h"
#include "ui/programname.h"

namespace oltrave::cli {

namespace {

// The axes as the window draws them on its default palette.
const QColor kInk(Qt::black);

// The marks the window's Key Points would draw over the same plot.
std::vector<MarkInstance> keyPointMarks(const Invocation& invocation, const Form& form) {
    if (!invocation.keypoints)
        return {};
    return marksInView(form.session().markedLinesOn(form.drawnCurves()), form.zoom(), {});
}

// The analysis rows, for the table after the result lines.
std::vector<SheetRow> analysisTable(const Form& form) {
    const std::optional<Analysis> analysis = analysePlotted(form);
    if (!analysis)
        return {};
    std::vector<SheetRow> table;
    for (const AnalysisRow& row : analysisRows(*analysis))
        table.push_back({QString::fromStdString(row.name), QString::fromStdString(row.value)});
    return table;
}

// The grid shows through the picture's background, under the axes and curves
// exactly as drawn.
void underlayGrid(QImage& picture, const QColor& background, double zoom, bool pi) {
    QImage grid(picture.size(), QImage::Format_RGB32);
    grid.fill(background);
    {
        QPainter painter(&grid);
        paintGrid(painter, QRectF(grid.rect()),
                  plotGrid({-zoom, zoom, -zoom, zoom}, QSizeF(grid.size()), pi));
    }
    picture = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb plain = background.rgb();
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const auto* under = reinterpret_cast<const QRgb*>(grid.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (row[x] == plain)
                row[x] = under[x];
    }
}

} // namespace

QSize plottingAreaSize() {
    const int frame = 2 * CanvasWidget::kFrameWidth;
    return layout::pixels(layout::kCanvas).size() - QSize(frame, frame);
}

RenderOutcome renderFile(const Invocation& invocation) {
    const QSize size = invocation.size.isEmpty() ? plottingAreaSize() : invocation.size;
    const QString suffix = QFileInfo(invocation.output).suffix().toLower();
    Session session;
    QString error;
    std::optional<std::string_view> failure;

    if (suffix == QLatin1String("png")) {
        ImageCanvas canvas(menuBarColour(), kInk);
        canvas.fit(size, 1);
        Form form(canvas, session);
        form.start();
        runSteps(form, invocation.plot);
        failure = shownFailure(form);
        if (failure)
            return {{}, failure};
        QImage picture = canvas.image();
        if (invocation.grid)
            underlayGrid(picture, menuBarColour(), form.zoom(), periodicOnly(form.drawnCurves()));
        if (const std::vector<MarkInstance> marks = keyPointMarks(invocation, form);
            !marks.empty()) {
            QPainter painter(&picture);
            paintMarks(
                painter, QRectF(picture.rect()), marks, {},
                [&canvas](float x, float y) { return canvas.toDevice(x, y); }, canvas.dotSize());
        }
        error = saveFile(invocation.output, [&picture](QIODevice& device, QString& why) {
            // A picture too big for the memory left comes back empty.
            if (picture.isNull()) {
                why = outOfMemory();
                return false;
            }
            return picture.save(&device, "PNG");
        });
    } else {
        CurveRecorder drawing;
        Form form(drawing, session);
        form.start();
        runSteps(form, invocation.plot);
        failure = shownFailure(form);
        if (failure)
            return {{}, failure};
        const std::vector<MarkInstance> marks = keyPointMarks(invocation, form);
        if (suffix == QLatin1String("svg")) {
            error = saveFile(invocation.output, [&](QIODevice& device, QString&) {
                std::optional<PlotGrid> grid;
                if (invocation.grid)
                    grid = plotGrid({-form.zoom(), form.zoom(), -form.zoom(), form.zoom()},
                                    QSizeF(size), periodicOnly(form.drawnCurves()));
                return writeSvg(device, drawing, size, menuBarColour(), kInk, marks,
                                grid ? &*grid : nullptr);
            });
        } else {
            Worksheet sheet = sessionWorksheet(
                form, drawing, {programName(), plottingAreaSize(), menuBarColour(), kInk}, marks);
            if (invocation.analysis)
                sheet.table = analysisTable(form);
            sheet.fields = invocation.fields;
            error = saveFile(invocation.output, [&sheet](QIODevice& device, QString&) {
                return writeWorksheetPdf(device, sheet);
            });
        }
    }

    return {error, failure};
}

int runRender(const Invocation& invocation, char* programPath) {
    // Drawing and fonts need the toolkit, a screen does not.
    int argc = 3;
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char* argv[] = {programPath, platform, offscreen, nullptr};
    const QApplication app(argc, argv);

    useLanguage(commandLanguage(invocation.lang));
    speak(commandLanguage(invocation.lang)); // this module's own copy of the words
    {
        // The same steps on a bare form first: what the boxes read is told
        // before any file is written, and with --strict none is.
        NoCanvas bare;
        Session none;
        Form form(bare, none);
        form.start();
        const std::vector<BoxNote> notes = runSteps(form, invocation.plot);
        if (const std::optional<int> stop = reportReadings(invocation, form, notes))
            return *stop;
    }
    const auto [error, failure] = renderFile(invocation);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "oltrave: %s\n", qUtf8Printable(error));
        return kExitFile;
    }
    if (failure) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(failure->size()), failure->data());
        return kExitShownFailure;
    }
    return kExitOk;
}

} // namespace oltrave::cli
