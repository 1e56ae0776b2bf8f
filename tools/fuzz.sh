#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ (or $OLTRAVE_FUZZ_DIR) and
# runs each for a bounded time from its seed corpus. Fails on any crash, hang or
# sanitizer report. OLTRAVE_FUZZ_SECONDS sets the time per target (default 12).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/tools/setup.sh"
build="${OLTRAVE_FUZZ_DIR:-$root/build-fuzz}"
seconds="${OLTRAVE_FUZZ_SECONDS:-12}"
targets=(numval numstrict numtext form exact analysis session pictures)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DOLTRAVE_FUZZ=ON -DOLTRAVE_GUI=OFF -DOLTRAVE_TESTS=OFF -DOLTRAVE_BENCH=OFF
cmake --build "$build"

# The leak suppressions of the sanitizer pass: third-party libraries only.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"

passed=0
failed=0
for target in "${targets[@]}"; do
    # New inputs go to a scratch folder; the seed corpus in the repository stays as it is.
    found="$build/found/$target"
    mkdir -p "$found" "$build/crashes"
    echo "fuzz_$target: ${seconds} s"
    if "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" \
        "$found" "$root/tests/fuzz/corpus/$target" >"$build/fuzz_$target.log" 2>&1; then
        passed=$((passed + 1))
        grep -E '^stat::number_of_executed_units' "$build/fuzz_$target.log" || true
    else
        failed=$((failed + 1))
        echo "fuzz_$target FAILED; the input is in $build/crashes/:"
        tail -n 40 "$build/fuzz_$target.log"
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
