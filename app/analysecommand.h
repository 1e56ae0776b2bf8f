#pragma once

namespace oltrave::cli {

struct Invocation;

// oltrave analyse: the complete analysis of the plotted function, as rows or
// (--json) one JSON object, on standard output.
int runAnalyse(const Invocation& invocation, char* programPath);

} // namespace oltrave::cli
