#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the program needs to build, run and be tested
# (only those missing), then configures and builds it incrementally in build/.
#
#   tools/setup.sh --packages-only [PACKAGE...]
# installs only the packages, and the named extra ones (tools/valgrind.sh
# adds valgrind this way), without building.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(
    g++ make cmake pkg-config
    qt6-base-dev libxkbcommon-dev   # Qt Widgets, Qt Test, the offscreen platform
    qt6-wayland                     # to run: Qt's Wayland platform, native on Wayland desktops
    weston                          # tests only: a headless Wayland compositor for the Wayland end to end
    libbenchmark-dev                # the benchmarks in bench/
    xvfb xauth                      # a real X server: start-up, two copies side by side, end to end
    dbus-daemon at-spi2-core        # a private session bus and the accessibility bus
    python3-pyatspi xdotool         # a screen reader's view and a real pointer and clicks under Xvfb
    fonts-dejavu-core               # the default 8-point face, with Arabic glyphs
    fonts-liberation2               # the metric match for "Arial"
    fonts-noto-ui-core              # Noto Naskh Arabic UI: the Arabic behind it
    qt6-translations-l10n           # to run: Qt's Arabic words (the OK button of every message box)
    desktop-file-utils              # desktop-file-validate, for the installed desktop entry
    appstream                       # appstreamcli, for the installed AppStream metainfo
    dpkg-dev file                   # dpkg-shlibdeps and file: the Debian package's library dependencies
    reuse lintian devscripts        # for the tests only: reuse lint, lintian and hardening-check
)

build=yes
if [[ "${1:-}" == --packages-only ]]; then
    build=no
    shift
    packages+=("$@")
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q </dev/null
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
fi

if [[ "$build" == no ]]; then
    exit 0
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"
