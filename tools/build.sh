#!/usr/bin/env bash
# Configures and builds into build/ (or $OLTRAVE_BUILD_DIR). Extra arguments go to CMake.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${OLTRAVE_BUILD_DIR:-$root/build}"
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOLTRAVE_WERROR="$werror" "$@"
cmake --build "$build"
