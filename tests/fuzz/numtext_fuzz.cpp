#include <algorithm>
#include <cstring>

#include "fuzzcheck.h"
#include "numberchecks.h"

// Every group of eight bytes as a double, NaN and infinities included.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::size_t at = 0; at < size; at += sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data + at, std::min(sizeof value, size - at));
        stopOn(oltrave::testing::numtextFault(value));
    }
    return 0;
}
