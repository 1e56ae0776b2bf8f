#pragma once

namespace oltrave::cli {

// Exact values through the engine module, loaded on the first one. Every
// copy of the model (the program's, the window module's) is told separately.
void useExactModule();

} // namespace oltrave::cli
