#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing (nothing is fetched when all
# are there), then configures build/ (the first time only, RelWithDebInfo)
# and builds it incrementally. It prints what it installs or builds, and
# nothing when there is nothing to do.
#
#   tools/setup.sh                  the packages to build and run; builds the program
#   tools/setup.sh --tests          also the packages for the tests; builds everything
#                                   with compiler warnings as errors (FILORA_WERROR)
#   tools/setup.sh --packages-only [--tests] [PACKAGE...]
#                                   only the packages, and the named extra ones
#                                   (tools/valgrind.sh adds valgrind this way)
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

# What building and running the program needs.
packages=(
    g++ make cmake pkg-config
    qt6-base-dev libxkbcommon-dev   # Qt Widgets, Qt Test, the offscreen platform
    qt6-wayland                     # Qt's Wayland platform, native on Wayland desktops
    qt6-translations-l10n           # Qt's Arabic words (the OK button of every message box)
    fonts-dejavu-core               # the default 8-point face, with Arabic glyphs
    fonts-liberation2               # the metric match for "Arial"
    fonts-noto-ui-core              # Noto Naskh Arabic UI: the Arabic behind it
)

# What the tests need besides.
test_packages=(
    weston                          # a headless Wayland compositor for the Wayland end to end
    libbenchmark-dev                # the benchmarks in bench/
    xvfb xauth                      # a real X server: start-up, two copies side by side, end to end
    dbus-daemon at-spi2-core        # a private session bus and the accessibility bus
    python3-pyatspi xdotool         # a screen reader's view and a real pointer and clicks under Xvfb
    desktop-file-utils              # desktop-file-validate, for the installed desktop entry
    appstream                       # appstreamcli, for the installed AppStream metainfo
    dpkg-dev file                   # dpkg-shlibdeps and file: the Debian package's library dependencies
    reuse lintian devscripts        # reuse lint, lintian and hardening-check
)

build=yes
tests=no
while (($# > 0)); do
    case "$1" in
        --packages-only) build=no ;;
        --tests) tests=yes ;;
        *) packages+=("$1") ;;
    esac
    shift
done
if [[ "$tests" == yes ]]; then
    packages+=("${test_packages[@]}")
fi

# Says what is needed where this script cannot install it, and ends.
cannot_install() {
    cat >&2 <<EOF
filora: $1
Install these Debian packages (or their equivalents on your system):
    ${packages[*]}
With Qt 6.4 or later and CMake 3.22 or later installed another way, build with:
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build
EOF
    exit 1
}

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    cannot_install "this system has no apt-get and dpkg (not Debian), so the set-up cannot install what is needed."
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        if ! command -v sudo >/dev/null; then
            cannot_install "installing the missing packages (${missing[*]}) needs root, and sudo is not installed."
        fi
        if ! sudo -v; then
            cannot_install "installing the missing packages (${missing[*]}) needs root, and sudo did not allow it."
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q </dev/null
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}" </dev/null
fi

if [[ "$build" == no ]]; then
    exit 0
fi

# The build type is chosen on the first configure only; a developer's own
# choices in build/ are kept. The tests build with warnings as errors.
configure=()
if [[ ! -f build/CMakeCache.txt ]]; then
    configure=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
if [[ "$tests" == yes ]] && ! grep -q '^FILORA_WERROR:BOOL=ON$' build/CMakeCache.txt 2>/dev/null; then
    configure+=(-DFILORA_WERROR=ON)
fi
if ((${#configure[@]} > 0)); then
    echo "Configuring build/"
    log=$(cmake -S . -B build "${configure[@]}" 2>&1) || { printf '%s\n' "$log" >&2; exit 1; }
fi

# Builds quietly: one line when there is work, the whole output on failure.
targets=()
what="the program"
if [[ "$tests" == no ]]; then
    targets=(--target filora)
else
    what="the program, its tests and benchmarks"
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
announced=no
status=0
while IFS= read -r line; do
    printf '%s\n' "$line" >>"$log"
    if [[ "$announced" == no && "$line" =~ (Building|Linking|Generating|Re-running) ]]; then
        echo "Building $what in build/"
        announced=yes
    fi
done < <(cmake --build build --parallel "$(nproc)" "${targets[@]}" 2>&1; echo "status $?")
status=$(tail -n 1 "$log")
if [[ "$status" != "status 0" ]]; then
    sed '$d' "$log" >&2
    echo "filora: the build failed (output above)" >&2
    exit 1
fi
