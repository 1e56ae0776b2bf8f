// Linked into programs that carry the engine inside (tests, benchmarks, the
// scenario driver), which then load nothing.
#include "table.h"

const oltrave::ExactEngine* oltrave::builtInExactEngine() {
    return &engine::table();
}
