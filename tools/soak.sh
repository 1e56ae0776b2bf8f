#!/usr/bin/env bash
# A long session: 10,000 Prints (or $OLTRAVE_SOAK_PRINTS), a wheel notch every
# hundred, through the scenario driver's actions on the real window, off screen. Fails when the last thousand
# Prints take more than 1.2 times as long each as the first thousand.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${OLTRAVE_BUILD_DIR:-$root/build}"
"$root/tools/setup.sh"
"$root/tools/build.sh" >/dev/null
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# A busy machine can slow one run's last thousand on its own: growth that is
# real shows again in a second run.
"$build/tests/oltrave-print-soak" "${OLTRAVE_SOAK_PRINTS:-10000}" ||
    { echo "soak: once more, to tell growth from a busy machine"; \
      "$build/tests/oltrave-print-soak" "${OLTRAVE_SOAK_PRINTS:-10000}"; }
