// The GUI module's entry points, looked up by name when the program loads it.
#include <QtGlobal>

#include "exactmodule.h"
#include "guimodule.h"
#include "rendercommand.h"
#include "windowmode.h"

using oltrave::cli::Invocation;

extern "C" Q_DECL_EXPORT int oltrave_run_window(const Invocation& invocation, char* programPath) {
    oltrave::cli::useExactModule();
    return oltrave::cli::runWindow(invocation, programPath);
}

extern "C" Q_DECL_EXPORT int oltrave_run_render(const Invocation& invocation, char* programPath) {
    oltrave::cli::useExactModule();
    return oltrave::cli::runRender(invocation, programPath);
}
