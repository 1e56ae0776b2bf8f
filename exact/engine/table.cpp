#include "table.h"

#include "engine.h"

namespace oltrave::engine {

const ExactEngine& table() {
    static const ExactEngine engine{integer,  rational, pi,     toDouble, isZero, add,
                                    subtract, multiply, divide, negate,   sqrt,   pow,
                                    sin,      cos,      tan,    log,      read,   write};
    return engine;
}

} // namespace oltrave::engine
