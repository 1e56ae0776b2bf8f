#!/usr/bin/env bash
# Builds the benchmarks into build-bench/ (or $OLTRAVE_BENCH_DIR), runs them
# off screen and prints each figure beside its goal.
#   tools/bench.sh           full runs, a few minutes
#   tools/bench.sh --smoke   each benchmark once, briefly, so none can rot; fails
#                            only when a benchmark cannot measure
# Further arguments go to every benchmark program (for example --benchmark_filter=sine).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${OLTRAVE_BENCH_DIR:-$root/build-bench}"

smoke=false
if [ "${1:-}" = "--smoke" ]; then
    smoke=true
    shift
fi

"$root/tools/setup.sh"
# Two jobs at most: benchmarks are often built on machines doing other work.
CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-2}" OLTRAVE_BUILD_DIR="$build" \
    "$root/tools/build.sh" -DOLTRAVE_BENCH=ON -DOLTRAVE_TESTS=OFF

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
figures="$(mktemp)"
trap 'rm -f "$figures"' EXIT

run() {
    local program="$1"
    shift
    echo "== $program"
    "$build/bench/$program" "$@" | tee -a "$figures"
}

if $smoke; then
    for program in oltrave-bench-plot oltrave-bench-click oltrave-bench-startup oltrave-bench-sound \
        oltrave-bench-trace oltrave-bench-analysis oltrave-bench-classify oltrave-bench-plotwindow \
        oltrave-bench-sliders oltrave-bench-cli oltrave-bench-undo; do
        run "$program" --benchmark_min_time=0.0001 "$@"
    done
else
    run oltrave-bench-plot "$@"
    run oltrave-bench-click "$@"
    # A start takes tens of milliseconds: a few seconds give a steady median.
    run oltrave-bench-startup --benchmark_min_time=4 "$@"
    run oltrave-bench-sound "$@"
    run oltrave-bench-trace "$@"
    run oltrave-bench-analysis "$@"
    run oltrave-bench-classify "$@"
    run oltrave-bench-plotwindow "$@"
    run oltrave-bench-sliders "$@"
    run oltrave-bench-cli --benchmark_min_time=2 "$@"
    run oltrave-bench-undo "$@"
fi

echo
echo "Figures on $(nproc) processors (plot times on the processor clock of the" \
    "thread, the others on the wall clock; medians):"
grep '^figure: ' "$figures" | sed 's/^figure: /  /'
