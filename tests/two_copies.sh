#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Two copies of the program side by side on one X display (a private Xvfb),
# with the same runtime folder: the second starts while the first shows its
# main menu, both show their main menu and stay up, neither prints anything,
# and each ends through its own exit button with status 0, the first one
# still up after the second has ended.
#
#   two_copies.sh FILORA
# Every wait ends after FILORA_TEST_WAIT seconds (20 by default; valgrind
# needs more). FILORA_LAUNCHER, when set, is the command that starts the
# program (tools/valgrind.sh sets it to valgrind).
set -euo pipefail

filora="$1"
limit="${FILORA_TEST_WAIT:-20}"
read -r -a launcher <<<"${FILORA_LAUNCHER:-}"
work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "two_copies: $*" >&2
    for out in "$work"/copy*.out; do
        [[ -s "$out" ]] && { echo "--- $(basename "$out"):" >&2; cat "$out" >&2; }
    done
    exit 1
}

# A private X server; it writes its display number once it accepts clients.
# It must not reset when its last client goes: while it resets it refuses new
# ones.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
read -r -t "$limit" display <"$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb

# The visible window of a process, once it is there.
window_of() {
    timeout "$limit" xdotool search --sync --onlyvisible --pid "$1" 2>/dev/null | head -n 1
}

# Clicks the main menu's exit button "خروج" (Command2, its middle at 4327 x
# 5527 twips in a client area of 6690 x 6405) and waits for the copy to end.
click_exit() {
    local window="$1" pid="$2" WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # (The server takes the move and the click in order; --sync would wait
    # forever when the pointer is already there.)
    xdotool mousemove --window "$window" $((WIDTH * 4327 / 6690)) $((HEIGHT * 5527 / 6405)) click 1
    timeout "$limit" tail --pid="$pid" -f /dev/null || fail "copy $pid did not end after its exit button"
    local status=0
    wait "$pid" || status=$?
    [[ "$status" -eq 0 ]] || fail "copy $pid ended with status $status"
}

"${launcher[@]}" "$filora" >"$work/copy1.out" 2>&1 &
one=$!
pids+=("$one")
first="$(window_of "$one")"
[[ -n "$first" ]] || fail "the first copy shows no window"

"${launcher[@]}" "$filora" >"$work/copy2.out" 2>&1 &
two=$!
pids+=("$two")
second="$(window_of "$two")"
[[ -n "$second" ]] || fail "the second copy shows no window"
[[ "$first" != "$second" ]] || fail "both copies share one window"

kill -0 "$one" 2>/dev/null || fail "the first copy ended when the second started"
[[ -n "$(window_of "$one")" ]] || fail "the first copy lost its window"

# The second copy lies on top of the first: it ends first, the first stays.
click_exit "$second" "$two"
kill -0 "$one" 2>/dev/null || fail "the first copy ended with the second"
[[ -n "$(window_of "$one")" ]] || fail "the first copy lost its window when the second ended"
click_exit "$first" "$one"

for out in "$work"/copy*.out; do
    [[ ! -s "$out" ]] || fail "$(basename "$out" .out) printed something"
done
