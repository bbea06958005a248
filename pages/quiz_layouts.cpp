// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/quiz_layout.h"

// The stored layout of every quiz page. Frames stand at left 120 with width
// 6495; question labels and check boxes stand inside their frames. Slots are
// listed in the order the page stores them, which need not be the order on
// screen.

namespace pages {

const Font kHeadingFont18{u"PT Bold Broken", 180000, 299};
const Font kHeadingFont2025{u"PT Bold Broken", 202500, 299};

namespace {

constexpr SlotLayout kForm2Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {7, {"Frame7", kNoIndex}, 5160, 615, kButtonHighlight, 20, {"Label8", kNoIndex}, 4080, 240, 2295, 195, true, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {6, {"Frame6", kNoIndex}, 4440, 615, kButtonHighlight, 17, {"Label7", kNoIndex}, 4035, 240, 2340, 195, true, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {5, {"Frame5", kNoIndex}, 3720, 615, kButtonHighlight, 14, {"Label6", kNoIndex}, 3480, 240, 2895, 195, true, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {4, {"Frame4", kNoIndex}, 3000, 615, 0x00FFFFFF, 11, {"Label5", kNoIndex}, 3720, 240, 2655, 195, true, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {3, {"Frame3", kNoIndex}, 2280, 615, 0x00FFFFFF, 8, {"Label4", kNoIndex}, 3345, 240, 3030, 195, true, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {2, {"Frame2", kNoIndex}, 1560, 615, 0x00FFFFFF, 5, {"Label3", kNoIndex}, 3735, 240, 2640, 195, true, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {1, {"Frame1", kNoIndex}, 840, 615, 0x00FFFFFF, 2, {"Label2", kNoIndex}, 3945, 240, 2430, 195, true, 3, {"Check1", kNoIndex}, 240, 240, 855, 255, 4},
};

constexpr SlotLayout kForm3Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {7, {"Frame7", kNoIndex}, 5040, 735, kHighlightText, 17, {"Label9", kNoIndex}, 1080, 240, 5175, 435, false, 18, {"Check7", kNoIndex}, 120, 240, 855, 255, 19},
    {6, {"Frame6", kNoIndex}, 4200, 735, kHighlightText, 14, {"Label8", kNoIndex}, 1080, 240, 5175, 435, false, 15, {"Check6", kNoIndex}, 120, 240, 855, 255, 16},
    {5, {"Frame5", kNoIndex}, 3240, 855, kHighlightText, 11, {"Label7", kNoIndex}, 1080, 240, 5175, 495, false, 12, {"Check5", kNoIndex}, 120, 240, 855, 255, 13},
    {4, {"Frame4", kNoIndex}, 2400, 735, kHighlightText, 8, {"Label6", kNoIndex}, 1080, 240, 5175, 435, false, 9, {"Check4", kNoIndex}, 120, 240, 855, 255, 10},
    {3, {"Frame3", kNoIndex}, 1560, 735, kHighlightText, 5, {"Label5", kNoIndex}, 1080, 240, 5175, 435, false, 6, {"Check3", kNoIndex}, 120, 240, 855, 255, 7},
    {2, {"Frame2", kNoIndex}, 840, 615, kHighlightText, 2, {"Label4", kNoIndex}, 1080, 240, 5175, 255, false, 3, {"Check2", kNoIndex}, 120, 240, 855, 255, 4},
    {1, {"Frame1", kNoIndex}, 120, 615, kHighlightText, 20, {"Label3", kNoIndex}, 1080, 240, 5175, 255, false, 21, {"Check1", kNoIndex}, 120, 240, 855, 255, 22},
};

constexpr SlotLayout kForm4Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {7, {"Frame7", kNoIndex}, 5040, 735, kHighlightText, 18, {"Label8", kNoIndex}, 1080, 240, 5175, 435, false, 19, {"Check7", kNoIndex}, 120, 240, 855, 255, 20},
    {6, {"Frame6", kNoIndex}, 4320, 615, kHighlightText, 15, {"Label7", kNoIndex}, 1080, 240, 5175, 255, false, 16, {"Check6", kNoIndex}, 120, 240, 855, 255, 17},
    {5, {"Frame5", kNoIndex}, 3480, 735, kHighlightText, 12, {"Label6", kNoIndex}, 1080, 240, 5175, 435, false, 13, {"Check5", kNoIndex}, 120, 240, 855, 255, 14},
    {4, {"Frame4", kNoIndex}, 2520, 855, kHighlightText, 9, {"Label5", kNoIndex}, 1080, 240, 5175, 495, false, 10, {"Check4", kNoIndex}, 120, 240, 855, 255, 11},
    {3, {"Frame3", kNoIndex}, 1680, 735, kHighlightText, 6, {"Label4", kNoIndex}, 1080, 240, 5175, 435, false, 7, {"Check3", kNoIndex}, 120, 240, 975, 255, 8},
    {2, {"Frame2", kNoIndex}, 960, 615, kHighlightText, 3, {"Label3", kNoIndex}, 1080, 240, 5175, 255, false, 4, {"Check2", kNoIndex}, 120, 240, 975, 255, 5},
    {1, {"Frame1", kNoIndex}, 120, 735, kHighlightText, 0, {"Label2", kNoIndex}, 1080, 240, 5175, 435, false, 1, {"Check1", kNoIndex}, 120, 240, 855, 255, 2},
};

constexpr SlotLayout kForm5Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {7, {"Frame7", kNoIndex}, 5160, 615, kHighlightText, 18, {"Label7", kNoIndex}, 1080, 240, 5175, 255, false, 19, {"Check7", kNoIndex}, 120, 240, 855, 255, 20},
    {6, {"Frame6", kNoIndex}, 4200, 855, kHighlightText, 15, {"Label6", kNoIndex}, 1080, 240, 5175, 495, false, 16, {"Check6", kNoIndex}, 120, 240, 855, 255, 17},
    {5, {"Frame5", kNoIndex}, 3360, 735, kHighlightText, 12, {"Label5", kNoIndex}, 1080, 240, 5175, 435, false, 13, {"Check5", kNoIndex}, 120, 240, 855, 255, 14},
    {4, {"Frame4", kNoIndex}, 2520, 735, kHighlightText, 9, {"Label4", kNoIndex}, 1080, 240, 5175, 435, false, 10, {"Check4", kNoIndex}, 120, 240, 855, 255, 11},
    {3, {"Frame3", kNoIndex}, 1680, 735, kHighlightText, 6, {"Label3", kNoIndex}, 1080, 240, 5175, 435, false, 7, {"Check3", kNoIndex}, 120, 240, 855, 255, 8},
    {2, {"Frame2", kNoIndex}, 960, 615, kHighlightText, 3, {"Label2", kNoIndex}, 1080, 240, 5175, 255, false, 4, {"Check2", kNoIndex}, 120, 240, 855, 255, 5},
    {1, {"Frame1", kNoIndex}, 120, 735, kHighlightText, 0, {"Label1", kNoIndex}, 1080, 240, 5175, 435, false, 1, {"Check1", kNoIndex}, 120, 240, 855, 255, 2},
};

constexpr SlotLayout kForm6Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {7, {"Frame7", kNoIndex}, 5160, 615, kHighlightText, 18, {"Label7", kNoIndex}, 1080, 240, 5175, 255, false, 19, {"Check7", kNoIndex}, 120, 240, 855, 255, 20},
    {6, {"Frame6", kNoIndex}, 4320, 735, kHighlightText, 15, {"Label6", kNoIndex}, 1080, 240, 5175, 435, false, 16, {"Check6", kNoIndex}, 120, 240, 855, 255, 17},
    {5, {"Frame5", kNoIndex}, 3480, 735, 0x00FFFFFF, 12, {"Label5", kNoIndex}, 1080, 240, 5175, 435, false, 13, {"Check5", kNoIndex}, 120, 240, 855, 255, 14},
    {4, {"Frame4", kNoIndex}, 2640, 735, kHighlightText, 9, {"Label4", kNoIndex}, 1080, 240, 5175, 435, false, 10, {"Check4", kNoIndex}, 120, 240, 855, 255, 11},
    {3, {"Frame3", kNoIndex}, 1800, 735, kHighlightText, 6, {"Label3", kNoIndex}, 1080, 240, 5175, 435, false, 7, {"Check3", kNoIndex}, 120, 240, 855, 255, 8},
    {2, {"Frame2", kNoIndex}, 960, 735, kHighlightText, 3, {"Label2", kNoIndex}, 1080, 240, 5175, 435, false, 4, {"Check2", kNoIndex}, 120, 240, 855, 255, 5},
    {1, {"Frame1", kNoIndex}, 120, 735, kHighlightText, 0, {"Label1", kNoIndex}, 1080, 240, 5175, 435, false, 1, {"Check1", kNoIndex}, 120, 240, 855, 255, 2},
};

constexpr SlotLayout kForm7Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {6, {"Frame6", kNoIndex}, 5160, 615, kHighlightText, 15, {"Label7", kNoIndex}, 1200, 240, 5175, 255, false, 16, {"Check6", kNoIndex}, 240, 240, 855, 255, 17},
    {5, {"Frame5", kNoIndex}, 4320, 735, kHighlightText, 12, {"Label6", kNoIndex}, 1200, 240, 5175, 435, false, 13, {"Check5", kNoIndex}, 240, 240, 855, 255, 14},
    {4, {"Frame4", kNoIndex}, 3480, 735, kHighlightText, 9, {"Label5", kNoIndex}, 1200, 240, 5175, 435, false, 10, {"Check4", kNoIndex}, 240, 240, 855, 255, 11},
    {3, {"Frame3", kNoIndex}, 2640, 735, kHighlightText, 6, {"Label4", kNoIndex}, 1200, 240, 5175, 435, false, 7, {"Check3", kNoIndex}, 240, 240, 855, 255, 8},
    {2, {"Frame2", kNoIndex}, 1800, 735, kHighlightText, 3, {"Label3", kNoIndex}, 1200, 240, 5175, 435, false, 4, {"Check2", kNoIndex}, 240, 240, 855, 255, 5},
    {1, {"Frame1", kNoIndex}, 960, 735, kHighlightText, 0, {"Label2", kNoIndex}, 1200, 240, 5175, 435, false, 1, {"Check1", kNoIndex}, 240, 240, 855, 255, 2},
};

constexpr SlotLayout kForm8Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {8, {"Frame8", kNoIndex}, 5160, 615, kHighlightText, 21, {"Label8", kNoIndex}, 1200, 240, 5175, 255, false, 22, {"Check8", kNoIndex}, 240, 240, 855, 255, 23},
    {7, {"Frame7", kNoIndex}, 4440, 615, kHighlightText, 18, {"Label7", kNoIndex}, 1200, 240, 5175, 255, false, 19, {"Check7", kNoIndex}, 240, 240, 855, 255, 20},
    {6, {"Frame6", kNoIndex}, 3720, 615, kHighlightText, 15, {"Label6", kNoIndex}, 1200, 240, 5175, 255, false, 16, {"Check6", kNoIndex}, 240, 240, 855, 255, 17},
    {5, {"Frame5", kNoIndex}, 3000, 615, kHighlightText, 12, {"Label5", kNoIndex}, 1200, 240, 5175, 255, false, 13, {"Check5", kNoIndex}, 240, 240, 855, 255, 14},
    {4, {"Frame4", kNoIndex}, 2280, 615, kHighlightText, 9, {"Label4", kNoIndex}, 1200, 240, 5175, 255, false, 10, {"Check4", kNoIndex}, 240, 240, 855, 255, 11},
    {3, {"Frame3", kNoIndex}, 1560, 615, kHighlightText, 6, {"Label3", kNoIndex}, 1200, 240, 5175, 255, false, 7, {"Check3", kNoIndex}, 240, 240, 855, 255, 8},
    {2, {"Frame2", kNoIndex}, 840, 615, 0x00FFFFFF, 3, {"Label2", kNoIndex}, 1200, 240, 5175, 255, false, 4, {"Check2", kNoIndex}, 240, 240, 855, 255, 5},
    {1, {"Frame1", kNoIndex}, 120, 615, kHighlightText, 0, {"Label1", kNoIndex}, 1200, 240, 5175, 255, false, 1, {"Check1", kNoIndex}, 240, 240, 855, 255, 2},
};

constexpr SlotLayout kForm9Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {8, {"Frame8", kNoIndex}, 5160, 615, kHighlightText, 23, {"Label9", kNoIndex}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 855, 255, 25},
    {7, {"Frame7", kNoIndex}, 4440, 615, kHighlightText, 20, {"Label8", kNoIndex}, 1320, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {6, {"Frame6", kNoIndex}, 3720, 615, kHighlightText, 17, {"Label7", kNoIndex}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {5, {"Frame5", kNoIndex}, 3000, 615, kHighlightText, 14, {"Label6", kNoIndex}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {4, {"Frame4", kNoIndex}, 2280, 615, kHighlightText, 11, {"Label5", kNoIndex}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {3, {"Frame3", kNoIndex}, 1560, 615, kHighlightText, 8, {"Label4", kNoIndex}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {2, {"Frame2", kNoIndex}, 840, 615, kHighlightText, 5, {"Label3", kNoIndex}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {1, {"Frame1", kNoIndex}, 120, 615, kHighlightText, 2, {"Label2", kNoIndex}, 1200, 240, 5175, 255, false, 3, {"Check1", kNoIndex}, 240, 240, 855, 255, 4},
};

constexpr SlotLayout kForm10Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {8, {"Frame8", kNoIndex}, 5160, 615, kHighlightText, 21, {"Label8", kNoIndex}, 1200, 240, 5175, 255, false, 22, {"Check8", kNoIndex}, 240, 240, 855, 255, 23},
    {7, {"Frame7", kNoIndex}, 4440, 615, kHighlightText, 18, {"Label7", kNoIndex}, 1200, 240, 5175, 255, false, 19, {"Check7", kNoIndex}, 240, 240, 855, 255, 20},
    {6, {"Frame6", kNoIndex}, 3720, 615, kHighlightText, 15, {"Label6", kNoIndex}, 1200, 240, 5175, 255, false, 16, {"Check6", kNoIndex}, 240, 240, 855, 255, 17},
    {5, {"Frame5", kNoIndex}, 3000, 615, kHighlightText, 12, {"Label5", kNoIndex}, 1200, 240, 5175, 255, false, 13, {"Check5", kNoIndex}, 240, 240, 855, 255, 14},
    {4, {"Frame4", kNoIndex}, 2280, 615, kHighlightText, 9, {"Label4", kNoIndex}, 1200, 240, 5175, 255, false, 10, {"Check4", kNoIndex}, 240, 240, 855, 255, 11},
    {3, {"Frame3", kNoIndex}, 1560, 615, 0x00FFFFFF, 6, {"Label3", kNoIndex}, 1200, 240, 5175, 255, false, 7, {"Check3", kNoIndex}, 240, 240, 855, 255, 8},
    {2, {"Frame2", kNoIndex}, 840, 615, kHighlightText, 3, {"Label2", kNoIndex}, 1200, 240, 5175, 255, false, 4, {"Check2", kNoIndex}, 240, 240, 855, 255, 5},
    {1, {"Frame1", kNoIndex}, 120, 615, kHighlightText, 0, {"Label1", kNoIndex}, 1200, 240, 5175, 255, false, 1, {"Check1", kNoIndex}, 240, 240, 855, 255, 2},
};

constexpr SlotLayout kForm11Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {8, {"Frame8", kNoIndex}, 5160, 615, kHighlightText, 23, {"Label8", kNoIndex}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 855, 255, 25},
    {7, {"Frame7", kNoIndex}, 4440, 615, kHighlightText, 20, {"Label7", kNoIndex}, 1200, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {6, {"Frame6", kNoIndex}, 3720, 615, kHighlightText, 17, {"Label6", kNoIndex}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {5, {"Frame5", kNoIndex}, 3000, 615, kHighlightText, 14, {"Label5", kNoIndex}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {4, {"Frame4", kNoIndex}, 2280, 615, kHighlightText, 11, {"Label4", kNoIndex}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {3, {"Frame3", kNoIndex}, 1560, 615, kHighlightText, 8, {"Label3", kNoIndex}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {2, {"Frame2", kNoIndex}, 840, 615, kHighlightText, 5, {"Label2", kNoIndex}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {1, {"Frame1", kNoIndex}, 120, 615, kHighlightText, 2, {"Label1", kNoIndex}, 1200, 240, 5175, 255, false, 3, {"Check1", kNoIndex}, 240, 240, 855, 255, 4},
};

constexpr SlotLayout kForm12Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {8, {"Frame8", kNoIndex}, 5160, 615, kHighlightText, 23, {"Label9", kNoIndex}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 975, 255, 25},
    {7, {"Frame7", kNoIndex}, 4440, 615, kHighlightText, 20, {"Label8", kNoIndex}, 1200, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {6, {"Frame6", kNoIndex}, 3720, 615, kHighlightText, 17, {"Label7", kNoIndex}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {5, {"Frame5", kNoIndex}, 3000, 615, kHighlightText, 14, {"Label6", kNoIndex}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {4, {"Frame4", kNoIndex}, 2280, 615, kHighlightText, 11, {"Label5", kNoIndex}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {3, {"Frame3", kNoIndex}, 1560, 615, kHighlightText, 8, {"Label4", kNoIndex}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {2, {"Frame2", kNoIndex}, 840, 615, kHighlightText, 5, {"Label3", kNoIndex}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 975, 255, 7},
    {1, {"Frame1", kNoIndex}, 120, 615, kHighlightText, 2, {"Label2", kNoIndex}, 1080, 240, 5055, 255, false, 3, {"Check1", kNoIndex}, 120, 240, 855, 255, 4},
};

constexpr SlotLayout kForm13Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {8, {"Frame8", kNoIndex}, 5160, 615, kHighlightText, 23, {"Label2", 7}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 855, 255, 25},
    {7, {"Frame7", kNoIndex}, 4440, 615, kHighlightText, 20, {"Label2", 6}, 1200, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {6, {"Frame6", kNoIndex}, 3720, 615, kHighlightText, 17, {"Label2", 5}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {5, {"Frame5", kNoIndex}, 3000, 615, kHighlightText, 14, {"Label2", 4}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {4, {"Frame4", kNoIndex}, 2280, 615, kHighlightText, 11, {"Label2", 3}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {3, {"Frame3", kNoIndex}, 1560, 615, kHighlightText, 8, {"Label2", 2}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {2, {"Frame2", kNoIndex}, 840, 615, kHighlightText, 5, {"Label2", 1}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {1, {"Frame1", kNoIndex}, 120, 615, kButtonHighlight, 2, {"Label2", 0}, 1200, 240, 5175, 255, false, 3, {"Check1", kNoIndex}, 240, 240, 855, 255, 4},
};

constexpr SlotLayout kForm14Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {8, {"Frame2", 6}, 5160, 615, kHighlightText, 23, {"Label2", 6}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 855, 255, 25},
    {7, {"Frame2", 5}, 4440, 615, kHighlightText, 20, {"Label2", 5}, 1200, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {6, {"Frame2", 4}, 3720, 615, kHighlightText, 17, {"Label2", 4}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {5, {"Frame2", 3}, 3000, 615, kHighlightText, 14, {"Label2", 3}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {4, {"Frame2", 2}, 2280, 615, kHighlightText, 11, {"Label2", 2}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {3, {"Frame2", 1}, 1560, 615, kHighlightText, 8, {"Label2", 1}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {2, {"Frame2", 0}, 840, 615, kHighlightText, 5, {"Label3", kNoIndex}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {1, {"Frame1", kNoIndex}, 120, 615, kHighlightText, 2, {"Label2", 0}, 1200, 240, 5175, 255, false, 3, {"Check1", kNoIndex}, 240, 240, 855, 255, 4},
};

constexpr SlotLayout kForm15Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {6, {"Frame6", kNoIndex}, 5160, 615, kHighlightText, 17, {"Label3", 5}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {5, {"Frame5", kNoIndex}, 4320, 735, kHighlightText, 14, {"Label3", 4}, 1080, 240, 5175, 435, false, 15, {"Check5", kNoIndex}, 120, 240, 855, 255, 16},
    {4, {"Frame4", kNoIndex}, 3480, 735, kHighlightText, 11, {"Label3", 3}, 1080, 240, 5175, 435, false, 12, {"Check4", kNoIndex}, 120, 240, 855, 255, 13},
    {3, {"Frame3", kNoIndex}, 2640, 735, kHighlightText, 8, {"Label3", 2}, 1080, 240, 5175, 435, false, 9, {"Check3", kNoIndex}, 120, 240, 855, 255, 10},
    {2, {"Frame2", kNoIndex}, 1800, 735, kHighlightText, 5, {"Label3", 1}, 1080, 240, 5175, 435, false, 6, {"Check2", kNoIndex}, 120, 240, 855, 255, 7},
    {1, {"Frame1", kNoIndex}, 960, 735, kHighlightText, 2, {"Label3", 0}, 1080, 240, 5175, 435, false, 3, {"Check1", kNoIndex}, 120, 240, 855, 255, 4},
};

constexpr SlotLayout kForm16Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {8, {"Frame8", kNoIndex}, 5160, 615, kHighlightText, 23, {"Label1", 7}, 1080, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 120, 240, 855, 255, 25},
    {7, {"Frame7", kNoIndex}, 4440, 615, kHighlightText, 20, {"Label1", 6}, 1080, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 120, 240, 855, 255, 22},
    {6, {"Frame6", kNoIndex}, 3720, 615, kHighlightText, 17, {"Label1", 5}, 1080, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 120, 240, 855, 255, 19},
    {5, {"Frame5", kNoIndex}, 3000, 615, kHighlightText, 14, {"Label1", 4}, 1080, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 120, 240, 855, 255, 16},
    {4, {"Frame4", kNoIndex}, 2280, 615, kHighlightText, 11, {"Label1", 3}, 1080, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 120, 240, 855, 255, 13},
    {3, {"Frame3", kNoIndex}, 1560, 615, kHighlightText, 8, {"Label1", 2}, 1080, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 120, 240, 855, 255, 10},
    {2, {"Frame2", kNoIndex}, 840, 615, kHighlightText, 5, {"Label1", 1}, 1080, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 120, 240, 855, 255, 7},
    {1, {"Frame1", kNoIndex}, 120, 615, kHighlightText, 2, {"Label1", 0}, 1080, 240, 5175, 255, false, 3, {"Check1", kNoIndex}, 120, 240, 855, 255, 4},
};

constexpr SlotLayout kForm17Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {8, {"Frame1", 7}, 5160, 615, kHighlightText, 23, {"Label2", 7}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 855, 255, 25},
    {7, {"Frame1", 6}, 4440, 615, kHighlightText, 20, {"Label2", 6}, 1200, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {6, {"Frame1", 5}, 3720, 615, kHighlightText, 17, {"Label2", 5}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {5, {"Frame1", 4}, 3000, 615, kHighlightText, 14, {"Label2", 4}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {4, {"Frame1", 3}, 2280, 615, kHighlightText, 11, {"Label2", 3}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {3, {"Frame1", 2}, 1560, 615, kHighlightText, 8, {"Label2", 2}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {2, {"Frame1", 1}, 840, 615, 0x00FFFFFF, 5, {"Label2", 1}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {1, {"Frame1", 0}, 120, 615, kHighlightText, 2, {"Label2", 0}, 1200, 240, 5175, 255, false, 3, {"Check1", kNoIndex}, 240, 240, 855, 255, 4},
};

constexpr SlotLayout kForm18Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {3, {"Frame2", 1}, 1560, 615, kHighlightText, 8, {"Label1", 0}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {8, {"Frame2", 6}, 5160, 615, kHighlightText, 23, {"Label1", 5}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 855, 255, 25},
    {7, {"Frame2", 5}, 4440, 615, kHighlightText, 20, {"Label1", 4}, 1200, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {5, {"Frame2", 4}, 3000, 615, kHighlightText, 14, {"Label1", 2}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {6, {"Frame2", 3}, 3720, 615, kHighlightText, 17, {"Label1", 3}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {4, {"Frame2", 2}, 2280, 615, kHighlightText, 11, {"Label1", 1}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {2, {"Frame2", 0}, 840, 615, kHighlightText, 5, {"Label2", 1}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {1, {"Frame1", kNoIndex}, 120, 615, kHighlightText, 2, {"Label2", 0}, 1200, 240, 5175, 255, false, 3, {"Check1", kNoIndex}, 240, 240, 855, 255, 4},
};

constexpr SlotLayout kForm19Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {2, {"Frame1", 7}, 840, 615, kHighlightText, 5, {"Label2", 1}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {3, {"Frame1", 6}, 1560, 615, kHighlightText, 8, {"Label2", 2}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {4, {"Frame1", 5}, 2280, 615, kHighlightText, 11, {"Label2", 3}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {5, {"Frame1", 4}, 3000, 615, kHighlightText, 14, {"Label2", 4}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {6, {"Frame1", 3}, 3720, 615, 0x00FFFFFF, 17, {"Label2", 5}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {7, {"Frame1", 2}, 4440, 615, kHighlightText, 20, {"Label2", 6}, 1200, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {8, {"Frame1", 1}, 5160, 615, kHighlightText, 23, {"Label2", 7}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 855, 255, 25},
    {1, {"Frame1", 0}, 120, 615, kHighlightText, 2, {"Label2", 0}, 1200, 240, 5175, 255, false, 3, {"CHECK1", kNoIndex}, 240, 240, 855, 255, 4},
};

constexpr SlotLayout kForm20Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {2, {"Frame1", 8}, 840, 615, kHighlightText, 5, {"Label2", 1}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {3, {"Frame1", 7}, 1560, 615, kHighlightText, 8, {"Label2", 2}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {4, {"Frame1", 6}, 2280, 615, kHighlightText, 11, {"Label2", 8}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {5, {"Frame1", 5}, 3000, 615, kHighlightText, 14, {"Label2", 4}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {6, {"Frame1", 4}, 3720, 615, kHighlightText, 17, {"Label2", 5}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {7, {"Frame1", 3}, 4440, 615, kHighlightText, 20, {"Label2", 6}, 1200, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {8, {"Frame1", 2}, 5160, 615, kHighlightText, 23, {"Label2", 7}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 855, 255, 25},
    {1, {"Frame1", 0}, 120, 615, kHighlightText, 2, {"Label2", 0}, 1200, 240, 5175, 255, false, 3, {"Check1", kNoIndex}, 240, 240, 855, 255, 4},
};

constexpr SlotLayout kForm21Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {2, {"Frame1", 8}, 840, 615, kHighlightText, 5, {"Label2", 1}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {3, {"Frame1", 7}, 1560, 615, kHighlightText, 8, {"Label2", 2}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {4, {"Frame1", 6}, 2280, 615, kHighlightText, 11, {"Label2", 3}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {5, {"Frame1", 5}, 3000, 615, kHighlightText, 14, {"Label2", 4}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {6, {"Frame1", 4}, 3720, 615, kHighlightText, 17, {"Label2", 5}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {7, {"Frame1", 3}, 4440, 615, kHighlightText, 20, {"Label2", 6}, 1200, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {8, {"Frame1", 2}, 5160, 615, kHighlightText, 23, {"Label2", 7}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 855, 255, 25},
    {1, {"Frame1", 0}, 120, 615, kHighlightText, 2, {"Label2", 0}, 1200, 240, 5175, 255, false, 3, {"Check1", kNoIndex}, 240, 240, 855, 255, 4},
};

constexpr SlotLayout kForm22Slots[] = {
    // slot, frame, top, height, caption colour, tab, label, left, top, width, height, auto-size, tab, check box, left, top, width, height, tab
    {7, {"Frame1", 7}, 4440, 615, kHighlightText, 20, {"Label2", 6}, 1200, 240, 5175, 255, false, 21, {"Check7", kNoIndex}, 240, 240, 855, 255, 22},
    {8, {"Frame1", 6}, 5160, 615, kHighlightText, 23, {"Label2", 7}, 1200, 240, 5175, 255, false, 24, {"Check8", kNoIndex}, 240, 240, 855, 255, 25},
    {2, {"Frame1", 5}, 840, 615, kHighlightText, 5, {"Label2", 1}, 1200, 240, 5175, 255, false, 6, {"Check2", kNoIndex}, 240, 240, 855, 255, 7},
    {3, {"Frame1", 4}, 1560, 615, kHighlightText, 8, {"Label2", 2}, 1200, 240, 5175, 255, false, 9, {"Check3", kNoIndex}, 240, 240, 855, 255, 10},
    {4, {"Frame1", 3}, 2280, 615, kHighlightText, 11, {"Label2", 3}, 1200, 240, 5175, 255, false, 12, {"Check4", kNoIndex}, 240, 240, 855, 255, 13},
    {5, {"Frame1", 2}, 3000, 615, kHighlightText, 14, {"Label2", 4}, 1200, 240, 5175, 255, false, 15, {"Check5", kNoIndex}, 240, 240, 855, 255, 16},
    {6, {"Frame1", 1}, 3720, 615, kHighlightText, 17, {"Label2", 5}, 1200, 240, 5175, 255, false, 18, {"Check6", kNoIndex}, 240, 240, 855, 255, 19},
    {1, {"Frame1", 0}, 120, 615, kHighlightText, 2, {"Label2", 0}, 1200, 240, 5175, 255, false, 3, {"Check1", kNoIndex}, 240, 240, 855, 255, 4},
};

}  // namespace

const std::array<QuizLayout, 21> kQuizLayouts{{
    // page, title, back colour,
    //  Previous left, width, tab, caption, Next left, width, tab,
    //  page-number label, left, width, height, auto-size, alignment, back, text, tab,
    //  heading width, height, font, tab, slot rows
    {"Form2", u"فيلورا", 0x00000000,
     4560, 2055, 0, u"السابق", 120, 2055, 1,
     {"Label10", kNoIndex}, 2820, 1095, 195, true, Align::Centre, kWindowFrame, kHighlightText, 23,
     6375, 615, &kHeadingFont18, 24, kForm2Slots},
    {"Form3", u"فيلورا", 0x00000000,
     4680, 1935, 0, u"السابق", 120, 1935, 1,
     {"Label2", kNoIndex}, 2640, 1620, 195, true, Align::Left, 0x00000000, kHighlightText, 23,
     0, 0, nullptr, -1, kForm3Slots},
    {"Form4", u"فيلورا", kButtonText,
     4680, 1935, 21, u"السابق", 120, 1815, 22,
     {"Label1", kNoIndex}, 2640, 1395, 195, true, Align::Left, kButtonText, kHighlightText, 23,
     0, 0, nullptr, -1, kForm4Slots},
    {"Form5", u"فيلورا ", kButtonText,
     4560, 2055, 21, u"السابق", 120, 1935, 22,
     {"Label8", kNoIndex}, 2640, 1215, 195, true, Align::Left, kMenuText, kHighlightText, 23,
     0, 0, nullptr, -1, kForm5Slots},
    {"Form6", u"فيلورا ", kButtonText,
     4560, 2055, 21, u"السابق", 120, 2175, 22,
     {"Label8", kNoIndex}, 2640, 1530, 195, true, Align::Left, kButtonText, kHighlightText, 23,
     0, 0, nullptr, -1, kForm6Slots},
    {"Form7", u"فيلورا ", kButtonText,
     4440, 2175, 18, u"السابق", 120, 2055, 19,
     {"Label8", kNoIndex}, 2640, 1155, 195, true, Align::Left, kButtonText, kButtonHighlight, 20,
     6495, 735, &kHeadingFont18, 21, kForm7Slots},
    {"Form8", u"فيلورا ", kButtonText,
     4560, 2055, 24, u"السابق ", 120, 2295, 25,
     {"Label9", kNoIndex}, 2640, 1575, 255, false, Align::Left, kButtonText, kButtonHighlight, 26,
     0, 0, nullptr, -1, kForm8Slots},
    {"Form9", u"فيلورا", kButtonText,
     4560, 2055, 0, u"السابق", 120, 2055, 1,
     {"Label1", kNoIndex}, 2640, 1335, 195, true, Align::Left, kButtonText, kHighlightText, 26,
     0, 0, nullptr, -1, kForm9Slots},
    {"Form10", u"فيلورا", kButtonText,
     4680, 1935, 24, u"السابق", 120, 2055, 25,
     {"Label9", kNoIndex}, 2640, 1515, 195, true, Align::Left, kButtonText, kButtonHighlight, 26,
     0, 0, nullptr, -1, kForm10Slots},
    {"Form11", u"فيلورا ", kButtonText,
     4800, 1815, 0, u"السابق", 120, 1935, 1,
     {"Label9", kNoIndex}, 2640, 1470, 195, true, Align::Left, kButtonText, kHighlightText, 26,
     0, 0, nullptr, -1, kForm11Slots},
    {"Form12", u"فيلورا", kButtonText,
     4560, 2055, 0, u"السابق", 120, 2055, 1,
     {"Label1", kNoIndex}, 2640, 1155, 195, true, Align::Left, kButtonText, kHighlightText, 26,
     0, 0, nullptr, -1, kForm12Slots},
    {"Form13", u"فيلورا", kButtonText,
     4440, 2175, 0, u"السابق", 120, 2055, 1,
     {"Label1", kNoIndex}, 2640, 1200, 195, true, Align::Left, kButtonText, kHighlightText, 26,
     0, 0, nullptr, -1, kForm13Slots},
    {"Form14", u"فيلورا", kButtonText,
     4560, 2055, 0, u"السابق", 120, 2055, 1,
     {"Label1", kNoIndex}, 2640, 1290, 195, true, Align::Left, kButtonText, kHighlightText, 26,
     0, 0, nullptr, -1, kForm14Slots},
    {"Form15", u"فيلورا", kButtonText,
     4560, 2055, 0, u"السابق", 120, 1935, 1,
     {"Label2", kNoIndex}, 2640, 1065, 195, true, Align::Left, kButtonText, kButtonHighlight, 20,
     6495, 735, &kHeadingFont2025, 21, kForm15Slots},
    {"Form16", u"فيلورا", kButtonText,
     4680, 1935, 0, u"السابق", 120, 1815, 1,
     {"Label2", kNoIndex}, 2880, 1095, 195, true, Align::Centre, kButtonText, kButtonHighlight, 26,
     0, 0, nullptr, -1, kForm16Slots},
    {"Form17", u"فيلورا", kButtonText,
     4440, 2175, 0, u"السابق", 120, 2055, 1,
     {"Label1", kNoIndex}, 2760, 1065, 195, true, Align::Left, kButtonText, kButtonHighlight, 26,
     0, 0, nullptr, -1, kForm17Slots},
    {"Form18", u" فيلورا", kButtonText,
     4320, 2295, 0, u"السابق", 120, 2175, 1,
     {"Label3", kNoIndex}, 2760, 1215, 255, false, Align::Left, kButtonText, kButtonHighlight, 26,
     0, 0, nullptr, -1, kForm18Slots},
    {"Form19", u"فيلورا", kButtonText,
     4440, 2175, 0, u"السابق", 120, 2055, 1,
     {"Label1", kNoIndex}, 2760, 1020, 195, true, Align::Left, kWindowText, kHighlightText, 26,
     0, 0, nullptr, -1, kForm19Slots},
    {"Form20", u"فيلورا", kButtonText,
     4680, 1935, 0, u"السابق", 120, 1935, 1,
     {"Label1", kNoIndex}, 2760, 1020, 195, true, Align::Left, kButtonText, kHighlightText, 26,
     0, 0, nullptr, -1, kForm20Slots},
    {"Form21", u"فيلورا ", kButtonText,
     4680, 1935, 0, u"السابق", 120, 1815, 1,
     {"Label1", kNoIndex}, 2760, 1065, 195, true, Align::Left, kButtonText, kHighlightText, 26,
     0, 0, nullptr, -1, kForm21Slots},
    {"Form22", u"فيلورا", kButtonText,
     4560, 2055, 0, u"السابق", 120, 2055, 1,
     {"Label1", kNoIndex}, 2760, 1065, 195, true, Align::Left, kButtonText, kHighlightText, 26,
     0, 0, nullptr, -1, kForm22Slots},
}};

}  // namespace pages
