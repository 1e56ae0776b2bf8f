// The engine module's entry point, looked up by name when the program loads it.
#include "table.h"

extern "C" __attribute__((visibility("default"))) const oltrave::ExactEngine*
oltrave_exact_engine() {
    return &oltrave::engine::table();
}
