// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of the opening, interlude and closing pages, exactly as shown
// (blanks and kashida included).

#include <string_view>

namespace info {

extern const std::u16string_view kOpeningSaying;    // Form24 Label2
extern const std::u16string_view kInterludeSaying;  // Form25 Label2
extern const std::u16string_view kProverb;          // Form25 Label3
extern const std::u16string_view kAnecdote1;        // Form26 Label2
extern const std::u16string_view kAnecdote2;        // Form26 Label4
extern const std::u16string_view kAnecdote3;        // Form26 Label3
extern const std::u16string_view kClosing1;         // Form23 Label1
extern const std::u16string_view kClosing2;         // Form23 Label2

}  // namespace info
