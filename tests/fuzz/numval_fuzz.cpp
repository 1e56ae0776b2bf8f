#include "fuzzcheck.h"
#include "numberchecks.h"

// Any bytes as a coefficient or zoom text read leniently.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    stopOn(oltrave::testing::numvalFault(asText(data, size)));
    return 0;
}
