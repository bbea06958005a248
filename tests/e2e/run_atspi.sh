#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the end-to-end test in a session of its own: a private D-Bus session
# bus, a display server and the AT-SPI bus, all ended with the test.
#   x11      an Xvfb server.
#   wayland  a headless weston on a private socket in a private runtime
#            folder. No X server is involved: the program must run as a
#            native Wayland client.
# Usage: run_atspi.sh x11|wayland FILORA DESCRIBE
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != --in-session ]; then
    exec dbus-run-session -- "$0" --in-session "$@"
fi
shift
platform=$1
filora=$2
describe=$3

work=$(mktemp -d)
cleanup() {
    [ -n "${bus_pid:-}" ] && kill "$bus_pid" 2>/dev/null
    [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
    if [ -n "${weston_pid:-}" ]; then
        kill "$weston_pid" 2>/dev/null
        wait "$weston_pid" 2>/dev/null  # it ends its own shell clients
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

start_x11() {
    # Xvfb picks a free display and writes its number once it accepts clients.
    # It must not reset when its last client goes (the check below, the
    # accessibility bus launcher): while it resets it refuses new ones.
    mkfifo "$work/displayfd"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/displayfd" 2>"$work/xvfb.log" &
    x_pid=$!
    display=$(timeout 30 head -n 1 "$work/displayfd") || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=":$display"
    # The server must answer before anything relies on it.
    tries=0
    until xdotool getdisplaygeometry >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || { echo "Xvfb on $DISPLAY does not answer:"; cat "$work/xvfb.log"; exit 1; }
        sleep 0.1
    done
}

start_wayland() {
    unset DISPLAY
    runtime="$work/runtime"
    mkdir -m 0700 "$runtime"
    export XDG_RUNTIME_DIR="$runtime"
    export WAYLAND_DISPLAY=filora-test
    # At an output scale of 2, as on a high-resolution screen: the program must
    # draw at double resolution, not be scaled up by weston.
    export FILORA_E2E_SCALE=2
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --no-config --idle-time=0 \
        --width=1280 --height=1024 --scale="$FILORA_E2E_SCALE" --log="$work/weston.log" --logger-scopes=log,proto >/dev/null 2>&1 &
    weston_pid=$!
    # Weston creates its socket once it is set up; clients that connect then
    # are served as soon as its event loop runs.
    tries=0
    until [ -S "$runtime/$WAYLAND_DISPLAY" ]; do
        tries=$((tries + 1))
        kill -0 "$weston_pid" 2>/dev/null && [ "$tries" -le 100 ] || { echo "weston did not start:"; cat "$work/weston.log"; exit 1; }
        sleep 0.1
    done
    export FILORA_E2E_PLATFORM=wayland FILORA_E2E_COMPOSITOR_LOG="$work/weston.log"
}

case "$platform" in
x11) start_x11 ;;
wayland) start_wayland ;;
*) echo "usage: run_atspi.sh x11|wayland FILORA DESCRIBE" >&2; exit 2 ;;
esac

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
bus_pid=$!

${FILORA_LAUNCHER:-} "$describe" >"$work/expected.json"
/usr/bin/python3 "$here/atspi_tour.py" "$filora" "$work/expected.json"
