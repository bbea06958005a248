#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and the tests need when it is missing, builds
# everything (compiler warnings are errors), and runs every test through CTest.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
tools/setup.sh --tests
ctest --test-dir build --output-on-failure --parallel "$(nproc)" "$@"
