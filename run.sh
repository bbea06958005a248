#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
tools/setup.sh
exec build/filora
