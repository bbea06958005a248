// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The page description model: constant tables that describe every window and
// control of the program. Positions and sizes are in twips (1440 to the inch);
// colours are 0x00BBGGRR, or 0x800000nn for system colour nn.

#include <cstdint>
#include <span>
#include <string_view>

namespace pages {

using Colour = std::uint32_t;

// System colours the pages use (0x80000000 | index).
inline constexpr Colour kWindowFrame = 0x80000006;
inline constexpr Colour kMenuText = 0x80000007;
inline constexpr Colour kWindowText = 0x80000008;
inline constexpr Colour kHighlightText = 0x8000000E;
inline constexpr Colour kButtonText = 0x80000012;
inline constexpr Colour kButtonHighlight = 0x80000014;
inline constexpr Colour kInfoBackground = 0x80000018;

enum class Kind : std::uint8_t { Label, Frame, Button, CheckBox };
enum class Align : std::uint8_t { Left, Right, Centre };

// A stored font. Every stored font uses the Arabic character set (178) and has
// italic, underline and strikethrough off.
struct Font {
    std::u16string_view face;
    int size;    // ten-thousandths of a point: 180000 is 18 pt
    int weight;  // 299, 400 or 700 (bold)
};

inline constexpr int kNoIndex = -1;  // not a member of a control array
inline constexpr int kOnPage = -1;   // parent: the page itself

struct Control {
    Kind kind;
    std::string_view name;
    int index;   // array index, or kNoIndex
    int parent;  // position of the parent frame in the page's control list, or kOnPage
    int left, top, width, height;
    std::u16string_view caption;
    Colour back;
    Colour fore;
    const Font* font;  // nullptr: the default font
    Align align;
    bool autoSize;
    bool rtl;  // right-to-left reading
    int tabIndex;
};

struct Page {
    std::string_view name;  // Form1 .. Form26
    std::u16string_view title;
    Colour back;
    int clientWidth, clientHeight;
    std::span<const Control> controls;  // creation order, a frame's controls right after it
};

// The colours of the standard scheme that buttons and check boxes do not store.
inline constexpr Colour kNoColour = 0xFFFFFFFF;

}  // namespace pages
