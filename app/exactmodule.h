#pragma once

namespace oltrave::cli {

// Exact values through the engine module, loaded on the first one.
void useExactModule();

} // namespace oltrave::cli
