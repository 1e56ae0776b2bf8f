#pragma once

#include <QSize>

namespace oltrave::cli {

struct Invocation;

// oltrave render: the plot as a PNG or SVG picture or a PDF worksheet; no
// window, no display.
int runRender(const Invocation& invocation, char* programPath);

// The plotting area's drawing size in the window, in pixels.
QSize plottingAreaSize();

} // namespace oltrave::cli
