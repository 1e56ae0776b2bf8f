#pragma once

#include "exact/exactengine.h"

namespace oltrave::engine {

// The engine's functions as the rest of the program reaches them.
const ExactEngine& table();

} // namespace oltrave::engine
