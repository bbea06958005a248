// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/quiz_layout.h"

#include "quiz/quiz_page.h"

// The stored layout of every quiz page. Frames stand at left 120 with width
// 6495; question labels and check boxes stand inside their frames. Slots are
// listed in the order the page stores them, which need not be the order on
// screen.

namespace pages {

constexpr Font kHeadingFont18{.face = u"PT Bold Broken", .size = 180000, .weight = 299};
constexpr Font kHeadingFont2025{.face = u"PT Bold Broken", .size = 202500, .weight = 299};

namespace {

constexpr SlotLayout kForm2Slots[] = {
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kButtonHighlight, .frameTab = 20, .label = {"Label8", kNoIndex}, .labelLeft = 4080, .labelWidth = 2295, .labelHeight = 195, .labelAutoSize = true, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 4440, .frameHeight = 615, .frameFore = kButtonHighlight, .frameTab = 17, .label = {"Label7", kNoIndex}, .labelLeft = 4035, .labelWidth = 2340, .labelHeight = 195, .labelAutoSize = true, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3720, .frameHeight = 615, .frameFore = kButtonHighlight, .frameTab = 14, .label = {"Label6", kNoIndex}, .labelLeft = 3480, .labelWidth = 2895, .labelHeight = 195, .labelAutoSize = true, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 3000, .frameHeight = 615, .frameFore = 0x00FFFFFF, .frameTab = 11, .label = {"Label5", kNoIndex}, .labelLeft = 3720, .labelWidth = 2655, .labelHeight = 195, .labelAutoSize = true, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 2280, .frameHeight = 615, .frameFore = 0x00FFFFFF, .frameTab = 8, .label = {"Label4", kNoIndex}, .labelLeft = 3345, .labelWidth = 3030, .labelHeight = 195, .labelAutoSize = true, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 1560, .frameHeight = 615, .frameFore = 0x00FFFFFF, .frameTab = 5, .label = {"Label3", kNoIndex}, .labelLeft = 3735, .labelWidth = 2640, .labelHeight = 195, .labelAutoSize = true, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 840, .frameHeight = 615, .frameFore = 0x00FFFFFF, .frameTab = 2, .label = {"Label2", kNoIndex}, .labelLeft = 3945, .labelWidth = 2430, .labelHeight = 195, .labelAutoSize = true, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm3Slots[] = {
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 5040, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label9", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 4200, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label8", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3240, .frameHeight = 855, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label7", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 495, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2400, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label6", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1560, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label5", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label4", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label3", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
};

constexpr SlotLayout kForm4Slots[] = {
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 5040, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 18, .label = {"Label8", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 4320, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 15, .label = {"Label7", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3480, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 12, .label = {"Label6", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2520, .frameHeight = 855, .frameFore = kHighlightText, .frameTab = 9, .label = {"Label5", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 495, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1680, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 6, .label = {"Label4", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 120, .checkWidth = 975},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 960, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 3, .label = {"Label3", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 120, .checkWidth = 975},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 0, .label = {"Label2", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
};

constexpr SlotLayout kForm5Slots[] = {
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 18, .label = {"Label7", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 4200, .frameHeight = 855, .frameFore = kHighlightText, .frameTab = 15, .label = {"Label6", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 495, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3360, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 12, .label = {"Label5", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2520, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 9, .label = {"Label4", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1680, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 6, .label = {"Label3", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 960, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 3, .label = {"Label2", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 0, .label = {"Label1", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
};

constexpr SlotLayout kForm6Slots[] = {
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 18, .label = {"Label7", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 4320, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 15, .label = {"Label6", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3480, .frameHeight = 735, .frameFore = 0x00FFFFFF, .frameTab = 12, .label = {"Label5", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2640, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 9, .label = {"Label4", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1800, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 6, .label = {"Label3", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 960, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 3, .label = {"Label2", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 0, .label = {"Label1", kNoIndex}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
};

constexpr SlotLayout kForm7Slots[] = {
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 15, .label = {"Label7", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 4320, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 12, .label = {"Label6", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 3480, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 9, .label = {"Label5", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 2640, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 6, .label = {"Label4", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 1800, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 3, .label = {"Label3", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 960, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 0, .label = {"Label2", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm8Slots[] = {
    {.slot = 8, .frame = {"Frame8", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 21, .label = {"Label8", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 18, .label = {"Label7", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 15, .label = {"Label6", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 12, .label = {"Label5", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 9, .label = {"Label4", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 6, .label = {"Label3", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 840, .frameHeight = 615, .frameFore = 0x00FFFFFF, .frameTab = 3, .label = {"Label2", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 0, .label = {"Label1", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm9Slots[] = {
    {.slot = 8, .frame = {"Frame8", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label9", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label8", kNoIndex}, .labelLeft = 1320, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label7", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label6", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label5", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label4", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label3", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label2", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm10Slots[] = {
    {.slot = 8, .frame = {"Frame8", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 21, .label = {"Label8", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 18, .label = {"Label7", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 15, .label = {"Label6", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 12, .label = {"Label5", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 9, .label = {"Label4", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1560, .frameHeight = 615, .frameFore = 0x00FFFFFF, .frameTab = 6, .label = {"Label3", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 3, .label = {"Label2", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 0, .label = {"Label1", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm11Slots[] = {
    {.slot = 8, .frame = {"Frame8", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label8", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label7", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label6", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label5", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label4", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label3", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label2", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label1", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm12Slots[] = {
    {.slot = 8, .frame = {"Frame8", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label9", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 975},
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label8", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label7", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label6", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label5", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label4", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label3", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 975},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label2", kNoIndex}, .labelLeft = 1080, .labelWidth = 5055, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
};

constexpr SlotLayout kForm13Slots[] = {
    {.slot = 8, .frame = {"Frame8", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label2", 7}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label2", 6}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label2", 5}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label2", 4}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label2", 3}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label2", 2}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label2", 1}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 615, .frameFore = kButtonHighlight, .frameTab = 2, .label = {"Label2", 0}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm14Slots[] = {
    {.slot = 8, .frame = {"Frame2", 6}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label2", 6}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame2", 5}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label2", 5}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame2", 4}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label2", 4}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame2", 3}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label2", 3}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame2", 2}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label2", 2}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame2", 1}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label2", 1}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", 0}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label3", kNoIndex}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label2", 0}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm15Slots[] = {
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label3", 5}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 4320, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label3", 4}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 3480, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label3", 3}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 2640, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label3", 2}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 1800, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label3", 1}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 960, .frameHeight = 735, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label3", 0}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 435, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
};

constexpr SlotLayout kForm16Slots[] = {
    {.slot = 8, .frame = {"Frame8", kNoIndex}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label1", 7}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame7", kNoIndex}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label1", 6}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame6", kNoIndex}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label1", 5}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame5", kNoIndex}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label1", 4}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame4", kNoIndex}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label1", 3}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame3", kNoIndex}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label1", 2}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", kNoIndex}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label1", 1}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label1", 0}, .labelLeft = 1080, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 120, .checkWidth = 855},
};

constexpr SlotLayout kForm17Slots[] = {
    {.slot = 8, .frame = {"Frame1", 7}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label2", 7}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame1", 6}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label2", 6}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame1", 5}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label2", 5}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame1", 4}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label2", 4}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame1", 3}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label2", 3}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame1", 2}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label2", 2}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame1", 1}, .frameTop = 840, .frameHeight = 615, .frameFore = 0x00FFFFFF, .frameTab = 5, .label = {"Label2", 1}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", 0}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label2", 0}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm18Slots[] = {
    {.slot = 3, .frame = {"Frame2", 1}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label1", 0}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 8, .frame = {"Frame2", 6}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label1", 5}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame2", 5}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label1", 4}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame2", 4}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label1", 2}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame2", 3}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label1", 3}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame2", 2}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label1", 1}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame2", 0}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label2", 1}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", kNoIndex}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label2", 0}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm19Slots[] = {
    {.slot = 2, .frame = {"Frame1", 7}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label2", 1}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame1", 6}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label2", 2}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame1", 5}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label2", 3}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame1", 4}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label2", 4}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame1", 3}, .frameTop = 3720, .frameHeight = 615, .frameFore = 0x00FFFFFF, .frameTab = 17, .label = {"Label2", 5}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame1", 2}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label2", 6}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 8, .frame = {"Frame1", 1}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label2", 7}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", 0}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label2", 0}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"CHECK1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm20Slots[] = {
    {.slot = 2, .frame = {"Frame1", 8}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label2", 1}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame1", 7}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label2", 2}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame1", 6}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label2", 8}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame1", 5}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label2", 4}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame1", 4}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label2", 5}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame1", 3}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label2", 6}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 8, .frame = {"Frame1", 2}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label2", 7}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", 0}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label2", 0}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm21Slots[] = {
    {.slot = 2, .frame = {"Frame1", 8}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label2", 1}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame1", 7}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label2", 2}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame1", 6}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label2", 3}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame1", 5}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label2", 4}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame1", 4}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label2", 5}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 7, .frame = {"Frame1", 3}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label2", 6}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 8, .frame = {"Frame1", 2}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label2", 7}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", 0}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label2", 0}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

constexpr SlotLayout kForm22Slots[] = {
    {.slot = 7, .frame = {"Frame1", 7}, .frameTop = 4440, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 20, .label = {"Label2", 6}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check7", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 8, .frame = {"Frame1", 6}, .frameTop = 5160, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 23, .label = {"Label2", 7}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check8", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 2, .frame = {"Frame1", 5}, .frameTop = 840, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 5, .label = {"Label2", 1}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check2", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 3, .frame = {"Frame1", 4}, .frameTop = 1560, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 8, .label = {"Label2", 2}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check3", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 4, .frame = {"Frame1", 3}, .frameTop = 2280, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 11, .label = {"Label2", 3}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check4", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 5, .frame = {"Frame1", 2}, .frameTop = 3000, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 14, .label = {"Label2", 4}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check5", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 6, .frame = {"Frame1", 1}, .frameTop = 3720, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 17, .label = {"Label2", 5}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check6", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
    {.slot = 1, .frame = {"Frame1", 0}, .frameTop = 120, .frameHeight = 615, .frameFore = kHighlightText, .frameTab = 2, .label = {"Label2", 0}, .labelLeft = 1200, .labelWidth = 5175, .labelHeight = 255, .labelAutoSize = false, .check = {"Check1", kNoIndex}, .checkLeft = 240, .checkWidth = 855},
};

}  // namespace

constexpr std::array<QuizLayout, 21> kQuizLayouts{{
    {.page = "Form2", .title = u"فيلورا", .back = 0x00000000,
     .previousLeft = 4560, .previousWidth = 2055, .previousCaption = u"السابق", .nextWidth = 2055, .previousTab = 0,
     .pageLabel = {"Label10", kNoIndex}, .pageLabelLeft = 2820, .pageLabelWidth = 1095, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Centre, .pageLabelBack = kWindowFrame, .pageLabelFore = kHighlightText, .pageLabelTab = 23,
     .headingWidth = 6375, .headingHeight = 615, .headingFont = &kHeadingFont18, .headingTab = 24, .slotRows = kForm2Slots},
    {.page = "Form3", .title = u"فيلورا", .back = 0x00000000,
     .previousLeft = 4680, .previousWidth = 1935, .previousCaption = u"السابق", .nextWidth = 1935, .previousTab = 0,
     .pageLabel = {"Label2", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1620, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = 0x00000000, .pageLabelFore = kHighlightText, .pageLabelTab = 23,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm3Slots},
    {.page = "Form4", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4680, .previousWidth = 1935, .previousCaption = u"السابق", .nextWidth = 1815, .previousTab = 21,
     .pageLabel = {"Label1", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1395, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kHighlightText, .pageLabelTab = 23,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm4Slots},
    {.page = "Form5", .title = u"فيلورا ", .back = kButtonText,
     .previousLeft = 4560, .previousWidth = 2055, .previousCaption = u"السابق", .nextWidth = 1935, .previousTab = 21,
     .pageLabel = {"Label8", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1215, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kMenuText, .pageLabelFore = kHighlightText, .pageLabelTab = 23,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm5Slots},
    {.page = "Form6", .title = u"فيلورا ", .back = kButtonText,
     .previousLeft = 4560, .previousWidth = 2055, .previousCaption = u"السابق", .nextWidth = 2175, .previousTab = 21,
     .pageLabel = {"Label8", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1530, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kHighlightText, .pageLabelTab = 23,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm6Slots},
    {.page = "Form7", .title = u"فيلورا ", .back = kButtonText,
     .previousLeft = 4440, .previousWidth = 2175, .previousCaption = u"السابق", .nextWidth = 2055, .previousTab = 18,
     .pageLabel = {"Label8", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1155, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kButtonHighlight, .pageLabelTab = 20,
     .headingWidth = 6495, .headingHeight = 735, .headingFont = &kHeadingFont18, .headingTab = 21, .slotRows = kForm7Slots},
    {.page = "Form8", .title = u"فيلورا ", .back = kButtonText,
     .previousLeft = 4560, .previousWidth = 2055, .previousCaption = u"السابق ", .nextWidth = 2295, .previousTab = 24,
     .pageLabel = {"Label9", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1575, .pageLabelHeight = 255,
     .pageLabelAutoSize = false, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kButtonHighlight, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm8Slots},
    {.page = "Form9", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4560, .previousWidth = 2055, .previousCaption = u"السابق", .nextWidth = 2055, .previousTab = 0,
     .pageLabel = {"Label1", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1335, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kHighlightText, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm9Slots},
    {.page = "Form10", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4680, .previousWidth = 1935, .previousCaption = u"السابق", .nextWidth = 2055, .previousTab = 24,
     .pageLabel = {"Label9", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1515, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kButtonHighlight, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm10Slots},
    {.page = "Form11", .title = u"فيلورا ", .back = kButtonText,
     .previousLeft = 4800, .previousWidth = 1815, .previousCaption = u"السابق", .nextWidth = 1935, .previousTab = 0,
     .pageLabel = {"Label9", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1470, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kHighlightText, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm11Slots},
    {.page = "Form12", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4560, .previousWidth = 2055, .previousCaption = u"السابق", .nextWidth = 2055, .previousTab = 0,
     .pageLabel = {"Label1", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1155, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kHighlightText, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm12Slots},
    {.page = "Form13", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4440, .previousWidth = 2175, .previousCaption = u"السابق", .nextWidth = 2055, .previousTab = 0,
     .pageLabel = {"Label1", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1200, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kHighlightText, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm13Slots},
    {.page = "Form14", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4560, .previousWidth = 2055, .previousCaption = u"السابق", .nextWidth = 2055, .previousTab = 0,
     .pageLabel = {"Label1", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1290, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kHighlightText, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm14Slots},
    {.page = "Form15", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4560, .previousWidth = 2055, .previousCaption = u"السابق", .nextWidth = 1935, .previousTab = 0,
     .pageLabel = {"Label2", kNoIndex}, .pageLabelLeft = 2640, .pageLabelWidth = 1065, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kButtonHighlight, .pageLabelTab = 20,
     .headingWidth = 6495, .headingHeight = 735, .headingFont = &kHeadingFont2025, .headingTab = 21, .slotRows = kForm15Slots},
    {.page = "Form16", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4680, .previousWidth = 1935, .previousCaption = u"السابق", .nextWidth = 1815, .previousTab = 0,
     .pageLabel = {"Label2", kNoIndex}, .pageLabelLeft = 2880, .pageLabelWidth = 1095, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Centre, .pageLabelBack = kButtonText, .pageLabelFore = kButtonHighlight, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm16Slots},
    {.page = "Form17", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4440, .previousWidth = 2175, .previousCaption = u"السابق", .nextWidth = 2055, .previousTab = 0,
     .pageLabel = {"Label1", kNoIndex}, .pageLabelLeft = 2760, .pageLabelWidth = 1065, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kButtonHighlight, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm17Slots},
    {.page = "Form18", .title = u" فيلورا", .back = kButtonText,
     .previousLeft = 4320, .previousWidth = 2295, .previousCaption = u"السابق", .nextWidth = 2175, .previousTab = 0,
     .pageLabel = {"Label3", kNoIndex}, .pageLabelLeft = 2760, .pageLabelWidth = 1215, .pageLabelHeight = 255,
     .pageLabelAutoSize = false, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kButtonHighlight, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm18Slots},
    {.page = "Form19", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4440, .previousWidth = 2175, .previousCaption = u"السابق", .nextWidth = 2055, .previousTab = 0,
     .pageLabel = {"Label1", kNoIndex}, .pageLabelLeft = 2760, .pageLabelWidth = 1020, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kWindowText, .pageLabelFore = kHighlightText, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm19Slots},
    {.page = "Form20", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4680, .previousWidth = 1935, .previousCaption = u"السابق", .nextWidth = 1935, .previousTab = 0,
     .pageLabel = {"Label1", kNoIndex}, .pageLabelLeft = 2760, .pageLabelWidth = 1020, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kHighlightText, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm20Slots},
    {.page = "Form21", .title = u"فيلورا ", .back = kButtonText,
     .previousLeft = 4680, .previousWidth = 1935, .previousCaption = u"السابق", .nextWidth = 1815, .previousTab = 0,
     .pageLabel = {"Label1", kNoIndex}, .pageLabelLeft = 2760, .pageLabelWidth = 1065, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kHighlightText, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm21Slots},
    {.page = "Form22", .title = u"فيلورا", .back = kButtonText,
     .previousLeft = 4560, .previousWidth = 2055, .previousCaption = u"السابق", .nextWidth = 2055, .previousTab = 0,
     .pageLabel = {"Label1", kNoIndex}, .pageLabelLeft = 2760, .pageLabelWidth = 1065, .pageLabelHeight = 195,
     .pageLabelAutoSize = true, .pageLabelAlign = Align::Left, .pageLabelBack = kButtonText, .pageLabelFore = kHighlightText, .pageLabelTab = 26,
     .headingWidth = 0, .headingHeight = 0, .headingFont = nullptr, .headingTab = -1, .slotRows = kForm22Slots},
}};

// The layouts agree with the page rows of the sections: the same page in the
// same place, a layout row for each of the page's slots, each slot once, and
// each slot's check box named after it (CHECK1 or Check1 .. Check8), as its
// handler finds it.
namespace {

constexpr bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[k]) != lower(b[k]))
            return false;
    }
    return true;
}

consteval bool agree(const QuizLayout& layout, const quiz::QuizPage& page)
{
    if (layout.page != page.name || layout.slotRows.size() != std::size_t(page.slotCount))
        return false;
    bool seen[9] = {};
    for (const SlotLayout& row : layout.slotRows) {
        if (row.slot < 1 || row.slot > page.slotCount || seen[row.slot])
            return false;
        seen[row.slot] = true;
        const char name[] = {'c', 'h', 'e', 'c', 'k', char('0' + row.slot)};
        if (!sameIgnoringCase(row.check.name, std::string_view(name, sizeof name)) || row.check.index != kNoIndex)
            return false;
    }
    return true;
}

consteval bool allAgree()
{
    static_assert(kQuizLayouts.size() == quiz::kQuizPages.size());
    for (std::size_t k = 0; k < kQuizLayouts.size(); ++k)
        if (!agree(kQuizLayouts[k], quiz::kQuizPages[k]))
            return false;
    return true;
}

static_assert(allAgree());

}  // namespace

}  // namespace pages
