#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the end-to-end test in a session of its own: a private D-Bus session
# bus, an Xvfb server and the AT-SPI bus, all ended with the test.
# Usage: run_atspi.sh FILORA DESCRIBE
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != --in-session ]; then
    exec dbus-run-session -- "$0" --in-session "$@"
fi
shift
filora=$1
describe=$2

work=$(mktemp -d)
cleanup() {
    [ -n "${bus_pid:-}" ] && kill "$bus_pid" 2>/dev/null
    [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

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

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
bus_pid=$!

${FILORA_LAUNCHER:-} "$describe" >"$work/expected.json"
/usr/bin/python3 "$here/atspi_tour.py" "$filora" "$work/expected.json"
