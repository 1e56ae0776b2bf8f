#pragma once

namespace oltrave::cli {

struct Invocation;

// oltrave describe: the lines the result list holds after the steps, on
// standard output; no window, no display.
int runDescribe(const Invocation& invocation, char* programPath);

} // namespace oltrave::cli
