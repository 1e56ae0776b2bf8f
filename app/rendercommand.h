#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <string_view>

namespace oltrave::cli {

struct Invocation;

// oltrave render: the plot as a PNG or SVG picture or a PDF worksheet; no
// window, no display.
int runRender(const Invocation& invocation, char* programPath);

struct RenderOutcome {
    QString fileError; // empty when the file was written, or not tried after a failure
    std::optional<std::string_view> shownFailure;
};

// Runs the steps and writes the file; needs a QApplication. Steps that end in a
// failure the window would show write nothing: an old file stays as it was.
RenderOutcome renderFile(const Invocation& invocation);

// The plotting area's drawing size in the window, in pixels.
QSize plottingAreaSize();

} // namespace oltrave::cli
