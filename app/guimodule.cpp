#include "guimodule.h"

#include <cstdio>

#include "platform/loadablemodule.h"
#include "subcommands.h"

namespace oltrave::cli {

namespace {

const GuiModuleTable* loadGuiModule() {
    QString problem;
    const auto* table = static_cast<const GuiModuleTable*>(
        loadModule(QStringLiteral(OLTRAVE_GUI_MODULE_NAME), problem));
    if (!table)
        std::fprintf(stderr, "oltrave: %s\n", qUtf8Printable(problem));
    return table;
}

} // namespace

int runWindowInModule(const Invocation& invocation, char* programPath) {
    const GuiModuleTable* module = loadGuiModule();
    return module ? module->runWindow(invocation, programPath) : kExitShownFailure;
}

int runRenderInModule(const Invocation& invocation, char* programPath) {
    const GuiModuleTable* module = loadGuiModule();
    return module ? module->runRender(invocation, programPath) : kExitShownFailure;
}

int runExercisesInModule(const Invocation& invocation, char* programPath) {
    const GuiModuleTable* module = loadGuiModule();
    return module ? module->runExercises(invocation, programPath) : kExitShownFailure;
}

} // namespace oltrave::cli
