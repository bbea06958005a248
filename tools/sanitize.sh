#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Every test under AddressSanitizer with LeakSanitizer and
# UndefinedBehaviorSanitizer: installs what is missing, configures and builds
# build-san/ with FILORA_SANITIZE=ON (no benchmarks) and runs every test
# there through CTest. The first report of any sanitizer fails its test.
# Extra arguments go to ctest, e.g. tools/sanitize.sh -R tst_soak.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools/setup.sh --packages-only --tests
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFILORA_SANITIZE=ON -DFILORA_WERROR=ON >/dev/null
cmake --build build-san --parallel "$(nproc)"
ctest --test-dir build-san --output-on-failure --parallel "$(nproc)" "$@"
