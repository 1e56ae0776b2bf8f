#!/usr/bin/env bash
# Builds the benchmarks into build-bench/ (or $OLTRAVE_BENCH_DIR), runs them
# and prints each figure beside its goal.
#   tools/bench.sh           full runs; takes a few minutes
#   tools/bench.sh --smoke   builds them and runs each once, briefly, so they cannot rot
# Other arguments go to every benchmark program (for example --benchmark_filter=linear).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${OLTRAVE_BENCH_DIR:-$root/build-bench}"

min_time=()
if [ "${1:-}" = "--smoke" ]; then
    shift
    min_time=(--benchmark_min_time=0.0001)
fi

"$root/tools/setup.sh"
# Two jobs at most: the benchmarks are built on machines shared with other work.
CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-2}" OLTRAVE_BUILD_DIR="$build" \
    "$root/tools/build.sh" -DOLTRAVE_BENCH=ON -DOLTRAVE_TESTS=OFF

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
figures="$(mktemp)"
trap 'rm -f "$figures"' EXIT
for program in oltrave-bench-plot oltrave-bench-click oltrave-bench-startup; do
    echo "== $program"
    "$build/bench/$program" "${min_time[@]}" "$@" | tee -a "$figures"
done

echo
echo "Figures (machine: $(nproc) cores; plot times on the thread's processor clock, the rest on the wall clock)"
grep '^figure: ' "$figures" | sed 's/^figure: /  /'
if grep -q '^figure: .* MISSED$' "$figures"; then
    echo "Some goals were missed."
fi
