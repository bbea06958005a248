#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running need when it is missing, builds the
# program when it changed, and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
tools/setup.sh
exec build/filora
