// A module of each kind the loader must tell apart, chosen when built:
// GENUINE (this program's stamp), OTHER (another version's stamp), BARE (no
// entry at all) and PLANTED (says so the moment it is loaded, whatever
// becomes of it after).
#include <cstdio>

#include "moduleversion.h"

namespace {

const char* const kWords = "genuine test module";

#if defined(OLTRAVE_TEST_PLANTED)
__attribute__((constructor)) void sayPlanted() {
    std::fputs("planted module ran\n", stdout);
    std::fflush(stdout);
}
#endif

#if defined(OLTRAVE_TEST_OTHER) || defined(OLTRAVE_TEST_PLANTED)
constexpr oltrave::ModuleStamp otherStamp() {
    oltrave::ModuleStamp stamp = oltrave::kModuleStamp;
    const char older[] = "0.9";
    for (std::size_t i = 0; i < sizeof older; ++i)
        stamp.version[i] = older[i];
    return stamp;
}
#endif

} // namespace

#if defined(OLTRAVE_TEST_GENUINE)
extern "C" __attribute__((visibility("default")))
const oltrave::ModuleEntry oltrave_module{oltrave::kModuleStamp, &kWords};
#elif defined(OLTRAVE_TEST_OTHER) || defined(OLTRAVE_TEST_PLANTED)
extern "C" __attribute__((visibility("default")))
const oltrave::ModuleEntry oltrave_module{otherStamp(), &kWords};
#else
extern "C" __attribute__((visibility("default"))) const char* oltrave_test_words() {
    return kWords;
}
#endif
