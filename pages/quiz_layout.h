// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The stored layout of the 21 quiz pages: the window, the bottom row, the
// section heading and, slot by slot in stored order, the frame, the question
// label and the answer check box. The captions come from the quiz data.

#include "pages/model.h"

#include <array>
#include <span>
#include <string_view>

namespace pages {

struct Ref {
    std::string_view name;
    int index;  // kNoIndex when not an array member
};

// The colours that every slot shares.
inline constexpr Colour kSlotBack = 0x00800080;      // purple
inline constexpr Colour kQuestionFore = 0x0000FFFF;  // yellow

// Inside its frame, every slot's question label and check box stand at
// top 240; the check box is 255 high.
inline constexpr int kSlotControlTop = 240;
inline constexpr int kCheckHeight = 255;

struct SlotLayout {
    int slot;  // position on the page, 1 at the top
    Ref frame;
    int frameTop, frameHeight;  // left 120, width 6495 on every page
    Colour frameFore;
    int frameTab;  // the label follows at frameTab + 1, the check box at frameTab + 2
    Ref label;
    int labelLeft, labelWidth, labelHeight;
    bool labelAutoSize;
    Ref check;
    int checkLeft, checkWidth;
};

struct QuizLayout {
    std::string_view page;
    std::u16string_view title;
    Colour back;
    // Previous (Command1) and Next (Command2): top 5880, height 375; Next
    // stands at left 120 and follows Previous in the tab order.
    int previousLeft, previousWidth;
    std::u16string_view previousCaption;
    int nextWidth;
    int previousTab;
    // The page-number label: top 6000.
    Ref pageLabel;
    int pageLabelLeft, pageLabelWidth, pageLabelHeight;
    bool pageLabelAutoSize;
    Align pageLabelAlign;
    Colour pageLabelBack, pageLabelFore;
    int pageLabelTab;
    // The section heading `Label1` (left 120, top 120), on a section's first page.
    int headingWidth, headingHeight;  // 0 when the page has none
    const Font* headingFont;
    int headingTab;
    std::span<const SlotLayout> slotRows;  // stored order
};

inline constexpr int kNextLeft = 120;

// Form2 .. Form22, in page order; checked against the page rows of the
// quiz sections at compile time (quiz_layouts.cpp).
extern const std::array<QuizLayout, 21> kQuizLayouts;

extern const Font kHeadingFont18;
extern const Font kHeadingFont2025;

}  // namespace pages
