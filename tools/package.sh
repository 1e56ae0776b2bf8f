#!/usr/bin/env bash
# Builds the Debian package of Oltrave into build/ (or $OLTRAVE_BUILD_DIR) and prints its path.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${OLTRAVE_BUILD_DIR:-$root/build}"
"$root/tools/setup.sh"
"$root/tools/build.sh"
cd "$build"
cpack --config CPackConfig.cmake -G DEB
ls "$build"/oltrave_*.deb
