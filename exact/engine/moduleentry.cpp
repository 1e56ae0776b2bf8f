// The engine module's entry, looked up by name when the program loads it.
#include "moduleversion.h"
#include "table.h"

extern "C" __attribute__((visibility("default")))
const oltrave::ModuleEntry oltrave_module{oltrave::kModuleStamp, &oltrave::engine::table()};
