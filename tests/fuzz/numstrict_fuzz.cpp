#include "fuzzcheck.h"
#include "numberchecks.h"

// Any bytes as a zoom text read strictly.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    stopOn(oltrave::testing::numstrictFault(asText(data, size)));
    return 0;
}
