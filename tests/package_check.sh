#!/usr/bin/env bash
# Builds the Debian package from a finished build tree into OUT and checks it as
# Debian does: any lintian error or warning fails, and so does any remark of the
# AppStream validator on the metainfo the package installs.
# Usage: package_check.sh BUILD_DIR OUT_DIR
set -euo pipefail
build="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" ||
    { cat "$out/cpack.log"; exit 1; }
debs=("$out"/oltrave_*.deb)
echo "built ${debs[0]}"
dpkg-deb --contents "${debs[0]}"
dpkg-deb --field "${debs[0]}" Depends Recommends

status=0
lintian --fail-on error,warning --display-info --tag-display-limit 0 "${debs[0]}" \
    >"$out/lintian.log" 2>&1 || status=$?
cat "$out/lintian.log"
if ((status)); then exit "$status"; fi

unpacked="$out/unpacked"
dpkg-deb --extract "${debs[0]}" "$unpacked"
report=$(appstreamcli validate --pedantic --no-net \
    "$unpacked"/usr/share/metainfo/org.oltrave.oltrave.metainfo.xml 2>&1) || { echo "$report"; exit 1; }
echo "$report"
if grep -q '^[EWIP]:' <<<"$report"; then exit 1; fi
