#pragma once

class QCommandLineParser;
class QString;

namespace oltrave::cli {

struct Invocation;
struct PlotRequest;
struct ClassifyRequest;

// oltrave classify: the pieces of the parameter's range on which the
// analysis keeps its shape, as rows or (--json) one JSON object.
int runClassify(const Invocation& invocation, char* programPath);

// Finds the one coefficient written as p, notes which box it is and gives the
// box a number to read; why not, when there is no such coefficient or more.
QString takeParameter(PlotRequest& plot, ClassifyRequest& classify);

// --from and --to, read as the boxes read decimals: a text not read whole is
// warned about, or with --strict refused; why not, when they are no range.
QString readRange(const QCommandLineParser& parser, Invocation& invocation);

} // namespace oltrave::cli
