// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of the opening, interlude and closing pages, exactly as shown
// (blanks and kashida included), each with the page and label it stands on:
// kOpeningSaying (Form24), kInterludeSaying and kProverb (Form25),
// kAnecdote1 .. kAnecdote3 (Form26), kClosing1 and kClosing2 (Form23).

#include "info/text_rows.h"
