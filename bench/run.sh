#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the performance measurements on Qt's offscreen platform and under a
# private Xvfb server, from a configured and built tree (build/ unless
# BUILD_DIR says otherwise). See BENCHMARKS.md.
#
#   bench/run.sh [startup|instructions|pages|memory|all] [offscreen|xvfb|both]
#
# "instructions" counts the instructions of the program's start-up and of
# the floor's under callgrind (valgrind), which repeat from run to run.
# Start-up runs 30 times per contender (STARTUP_RUNS), memory 5 (MEMORY_RUNS);
# the page benchmarks repeat 10 times (PAGE_REPETITIONS).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
what="${1:-all}"
where="${2:-both}"
bin="$build/bench"

for exe in bench_driver bench_pages bench_startup_program bench_startup_bare bench_startup_floor bench_tour; do
    if [[ ! -x "$bin/$exe" ]]; then
        echo "run.sh: $bin/$exe is missing; build first (libbenchmark-dev must be installed)" >&2
        exit 1
    fi
done

# A private runtime folder keeps Qt quiet about XDG_RUNTIME_DIR.
runtime="$(mktemp -d)"
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

# Instructions to the first paint under callgrind, program and floor.
instructions() {
    local out program floor
    command -v valgrind >/dev/null || "$root/tools/setup.sh" --packages-only valgrind
    out="$(mktemp -d)"
    for exe in program floor; do
        # Under X11 a forked child has a count of its own: take the parent's.
        valgrind --tool=callgrind --callgrind-out-file="$out/$exe.%p" "$bin/bench_startup_$exe" >/dev/null 2>"$out/$exe.log"
        local pid
        pid="$(grep -m1 -o '^==[0-9]*== Command:' "$out/$exe.log" | grep -o '[0-9]*')"
        grep -o "^==$pid== Collected : [0-9]*" "$out/$exe.log" | grep -o '[0-9]*$' >"$out/$exe.ir"
        mv "$out/$exe.$pid" "$out/$exe"
    done
    program="$(cat "$out/program.ir")"
    floor="$(cat "$out/floor.ir")"
    echo "instructions to the first paint (callgrind), platform ${QT_QPA_PLATFORM:-default}:"
    echo "  program $program  floor $floor  ratio $(awk -v p="$program" -v f="$floor" 'BEGIN { r = p / f; printf "%.3f, target <= 1.10: %s", r, r <= 1.10 ? "held" : "MISSED" }')"
    echo "  profiles: $out/program, $out/floor (callgrind_annotate --inclusive=yes FILE)"
}

measure() {
    case "$what" in
    instructions | all) instructions ;;&
    startup | all) "$bin/bench_driver" startup "${STARTUP_RUNS:-30}" ;;&
    pages | all)
        "$bin/bench_pages" --benchmark_repetitions="${PAGE_REPETITIONS:-10}" \
            --benchmark_report_aggregates_only=true --benchmark_min_time=0.05 ;;&
    memory | all) "$bin/bench_driver" memory "${MEMORY_RUNS:-5}" ;;
    startup | pages | instructions) ;;
    *) echo "run.sh: unknown measurement $what" >&2; exit 2 ;;
    esac
}
if [[ "$where" == here ]]; then  # already under the platform wanted
    measure
    exit 0
fi

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?')"

if [[ "$where" == offscreen || "$where" == both ]]; then
    echo "=== offscreen"
    QT_QPA_PLATFORM=offscreen measure
fi
if [[ "$where" == xvfb || "$where" == both ]]; then
    echo "=== Xvfb"
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        env QT_QPA_PLATFORM=xcb BUILD_DIR="$build" "${BASH_SOURCE[0]}" "$what" here
fi
