// The window module's entry, looked up by name when the program loads it.
#include <QtGlobal>

#include "exercisescommand.h"
#include "guimodule.h"
#include "moduleversion.h"
#include "rendercommand.h"
#include "windowmode.h"

namespace {

const oltrave::cli::GuiModuleTable kCommands{oltrave::cli::runWindow, oltrave::cli::runRender,
                                             oltrave::cli::runExercises};

} // namespace

extern "C" Q_DECL_EXPORT const oltrave::ModuleEntry oltrave_module{oltrave::kModuleStamp,
                                                                   &kCommands};
