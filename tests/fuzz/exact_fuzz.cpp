#include "exactchecks.h"
#include "fuzzcheck.h"

using namespace oltrave::testing;

// The first byte chooses: any bytes as a box text read in exact mode, or the
// rest as the choices that build an exact value to write and read back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    if (data[0] % 2 == 0) {
        stopOn(exactReadFault(asText(data + 1, size - 1)));
    } else {
        ByteChoices source(data + 1, size - 1);
        constexpr int kDepth = 4;
        stopOn(exactWriteFault(randomExact(source, kDepth)));
    }
    return 0;
}
