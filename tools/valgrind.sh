#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Every test once under valgrind memcheck (a few minutes; not part of CI). Installs
# valgrind when it is missing, configures and builds build-valgrind/ (no
# sanitizers, no benchmarks, long time-outs), then
#   - runs the Qt Test programs with `ctest -T memcheck`; valgrind's report of
#     each is in build-valgrind/Testing/Temporary/MemoryChecker.<n>.log;
#   - runs the tests that start the real program (no_display,
#     unreachable_display, missing_platform_plugin, two_copies, atspi_tour,
#     atspi_tour_wayland) with the program itself
#     under valgrind, one report per process in build-valgrind/Testing/program/.
# The install checks run no code of the program's and are left out.
# Findings inside Qt and the system libraries are suppressed by
# tests/sanitizers/valgrind.supp; any other error or definite leak makes
# valgrind end its process with status 101, which fails the test.
# Extra arguments go to both ctest runs, e.g. tools/valgrind.sh -R tst_quiz.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools/setup.sh --packages-only --tests valgrind
cmake -S . -B build-valgrind -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFILORA_BENCHMARKS=OFF \
    -DFILORA_TEST_TIMEOUT=7200 >/dev/null
cmake --build build-valgrind --parallel "$(nproc)"

export QTEST_FUNCTION_TIMEOUT=7200000 FILORA_TEST_WAIT=600
# PCRE2's just-in-time code (QRegularExpression, used by some checks) reads
# memory in ways valgrind cannot follow; the interpreter gives the same results.
export QT_ENABLE_REGEXP_JIT=0

program_tests='^(no_display|unreachable_display|missing_platform_plugin|two_copies|atspi_tour|atspi_tour_wayland)$'
status=0
ctest --test-dir build-valgrind -T memcheck -E "$program_tests|^install_" --output-on-failure "$@" || status=$?

logs="$PWD/build-valgrind/Testing/program"
rm -rf "$logs"
mkdir -p "$logs"
options="$(sed -n 's/^MemoryCheckCommandOptions: //p' build-valgrind/DartConfiguration.tcl)"
export FILORA_LAUNCHER="valgrind $options --suppressions=$PWD/tests/sanitizers/valgrind.supp --log-file=$logs/filora.%p.log"
ctest --test-dir build-valgrind -R "$program_tests" --output-on-failure "$@" || status=$?
grep -h "ERROR SUMMARY" "$logs"/*.log
exit "$status"
