#include "vectorstate.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace oltrave {

namespace {

__attribute__((target("avx"))) void zeroUpper() {
    _mm256_zeroupper();
}

bool hasAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}

} // namespace

void releaseUpperVectorState() {
    static const bool avx = hasAvx();
    if (avx)
        zeroUpper();
}

} // namespace oltrave

#else

namespace oltrave {

void releaseUpperVectorState() {}

} // namespace oltrave

#endif
