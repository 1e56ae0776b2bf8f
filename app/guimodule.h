#pragma once

namespace oltrave::cli {

struct Invocation;

// The window and render need the toolkit's GUI libraries, which take longer
// to load than describe takes to run. They live in a module beside the
// program, loaded only when one of them runs.
int runWindowInModule(const Invocation& invocation, char* programPath);
int runRenderInModule(const Invocation& invocation, char* programPath);
int runExercisesInModule(const Invocation& invocation, char* programPath);

// What the module offers.
using ModuleCommand = int (*)(const Invocation& invocation, char* programPath);
struct GuiModuleTable {
    ModuleCommand runWindow;
    ModuleCommand runRender;
    ModuleCommand runExercises;
};

} // namespace oltrave::cli
