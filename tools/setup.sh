#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the program and the tests need and
# this machine lacks. Safe to run again: it installs nothing when all is there.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-dev pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libginac-dev libcln-dev
    rapidjson-dev
    xvfb xauth
    fonts-open-sans fonts-wqy-microhei
    desktop-file-utils appstream
    poppler-utils
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    dpkg-dev lintian file man-db
    locales
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    if ! $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"; then
        $sudo apt-get update -q
        $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
fi

# A locale that writes numbers with a decimal comma, so the test that the number
# texts ignore the process locale runs instead of skipping.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'; then
    echo "Generating the de_DE.UTF-8 locale"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
