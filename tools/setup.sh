#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and be tested
# (only those missing), then configures and builds it incrementally in build/.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(
    g++ make cmake pkg-config
    qt6-base-dev libxkbcommon-dev   # Qt Widgets, Qt Test, the offscreen platform
    libbenchmark-dev                # the benchmarks in bench/
    xvfb xauth                      # a real X server for start-up and end-to-end runs
    dbus-daemon at-spi2-core        # a private session bus and the accessibility bus
    python3-pyatspi xdotool         # the end-to-end test: a screen reader's view, a real pointer
    fonts-dejavu-core               # the default 8-point face, with Arabic glyphs
    fonts-liberation2               # the metric match for "Arial"
    fonts-noto-ui-core              # Noto Naskh Arabic UI: the Arabic behind it
    desktop-file-utils              # desktop-file-validate, for the installed desktop entry
    appstream                       # appstreamcli, for the installed AppStream metainfo
    dpkg-dev file                   # dpkg-shlibdeps and file: the Debian package's library dependencies
)

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

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"
