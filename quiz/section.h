// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of the three quiz sections: one row per slot, in section order
// (slot 1 of the section first). Every text is used exactly as it stands here:
// leading, trailing and doubled blanks and every kashida (U+0640) are part of it.
// The tables are constant (constexpr where they are defined); their sizes here
// are checked against the page rows at compile time (quiz/pages.cpp).

#include <array>
#include <string_view>

namespace quiz {

struct SlotText {
    std::u16string_view title;     // caption of the slot's frame
    std::u16string_view question;  // caption of the question label
    std::u16string_view answer;    // prompt of the answer box, never empty
    std::u16string_view boxTitle;  // title of the answer box, usually empty
};

extern const std::array<SlotText, 35> kRiddles;  // Form2 .. Form6, 7 a page
extern const std::array<SlotText, 62> kFirsts;   // Form7 (6) .. Form14 (8 a page)
extern const std::array<SlotText, 62> kGeneral;  // Form15 (6) .. Form22 (8 a page)

}  // namespace quiz
