#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ (or $OLTRAVE_SANITIZE_DIR) and runs the whole test suite there.
# Any sanitizer report, a leak included, fails its test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/tools/setup.sh"
build="${OLTRAVE_SANITIZE_DIR:-$root/build-sanitize}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DOLTRAVE_SANITIZE=ON -DOLTRAVE_BENCH=OFF
cmake --build "$build"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# The package is checked from the ordinary build: a sanitized binary is never shipped.
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --label-exclude packaging
