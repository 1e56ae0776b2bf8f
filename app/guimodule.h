#pragma once

namespace oltrave::cli {

struct Invocation;

// The window and render need the toolkit's GUI libraries, which take longer
// to load than describe takes to run. They live in a module beside the
// program, loaded only when one of them runs.
int runWindowInModule(const Invocation& invocation, char* programPath);
int runRenderInModule(const Invocation& invocation, char* programPath);

// The module's entry points.
using ModuleEntry = int (*)(const Invocation& invocation, char* programPath);
inline constexpr const char* kWindowEntry = "oltrave_run_window";
inline constexpr const char* kRenderEntry = "oltrave_run_render";

} // namespace oltrave::cli
