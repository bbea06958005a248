// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/descriptions.h"

#include "info/texts.h"

namespace pages {

namespace {

constexpr Font kArial48Bold{u"Arial", 480000, 700};
constexpr Font kArial24Bold{u"Arial", 240000, 700};
constexpr Font kArial2175Bold{u"Arial", 217500, 700};
constexpr Font kArial2025Bold{u"Arial", 202500, 700};
constexpr Font kArial18Bold{u"Arial", 180000, 700};
constexpr Font kArial2175{u"Arial", 217500, 400};
constexpr Font kArial2025{u"Arial", 202500, 400};

constexpr Colour kTitleBack = 0x000000C0;   // 192, 0, 0
constexpr Colour kTitleFore = 0x00C0C0C0;   // 192, 192, 192
constexpr Colour kTextFore = 0x0080FF80;    // 128, 255, 128
constexpr Colour kDarkGreen = 0x00004000;   // 0, 64, 0
constexpr Colour kDarkCyan = 0x00404000;    // 0, 64, 64
constexpr Colour kClosingBack = 0x00000080; // 128, 0, 0
constexpr Colour kClosingFore = 0x00FFFFC0; // 192, 255, 255

constexpr Colour kNone = kNoColour;
using K = Kind;
using A = Align;

// kind, name, index, parent, left, top, width, height, caption, back, text, font, alignment, auto-size, rtl, tab

const Control kForm1Controls[] = {
    {K::Label, "Label1", kNoIndex, kOnPage, 240, 240, 6255, 2415, u"أهلا ومرحبا بكم في فيلورا", 0x00404000, 0x00C0FFC0, &kArial48Bold, A::Centre, false, false, 0},
    {K::Button, "Command1", kNoIndex, kOnPage, 1200, 5280, 1935, 495, u"التالي", kNone, kNone, nullptr, A::Centre, false, false, 1},
    {K::Button, "Command2", kNoIndex, kOnPage, 3360, 5280, 1935, 495, u"خروج", kNone, kNone, nullptr, A::Centre, false, false, 2},
    {K::Button, "w", kNoIndex, kOnPage, 4680, 4320, 1575, 495, u"صفحة الألغاز", kNone, kNone, nullptr, A::Centre, false, false, 3},
    {K::Button, "Command5", kNoIndex, kOnPage, 480, 4320, 1575, 495, u"صفحة الأسئلة", kNone, kNone, nullptr, A::Centre, false, false, 4},
    {K::Button, "Command6", kNoIndex, kOnPage, 2520, 4320, 1575, 495, u"صفحة الأوائل", kNone, kNone, nullptr, A::Centre, false, false, 5},
    {K::Button, "a", kNoIndex, kOnPage, 1920, 2760, 2655, 615, u"حول البرنامج", kNone, kNone, nullptr, A::Centre, false, false, 6},
    {K::Label, "Label2", kNoIndex, kOnPage, 1200, 5880, 4095, 375, u"", 0x00808000, 0x0000FF00, nullptr, A::Centre, false, false, 7},
};

const Control kForm24Controls[] = {
    {K::Label, "Label1", kNoIndex, kOnPage, 240, 120, 6255, 615, u"بـــــــــــــــداية", kTitleBack, kTitleFore, &kArial24Bold, A::Centre, false, false, 0},
    {K::Label, "Label2", kNoIndex, kOnPage, 240, 840, 6255, 4815, info::kOpeningSaying, kDarkGreen, kTextFore, &kArial18Bold, A::Right, false, false, 1},
    {K::Button, "Command1", kNoIndex, kOnPage, 240, 5760, 2175, 495, u"متابعة ", kNone, kNone, nullptr, A::Centre, false, false, 2},
    {K::Button, "Command2", kNoIndex, kOnPage, 4560, 5760, 1935, 495, u"عودة ", kNone, kNone, nullptr, A::Centre, false, false, 3},
    {K::Button, "Command3", kNoIndex, kOnPage, 2760, 5760, 1455, 495, u"خروج", kNone, kNone, nullptr, A::Centre, false, false, 4},
};

const Control kForm25Controls[] = {
    {K::Label, "Label1", kNoIndex, kOnPage, 240, 120, 6255, 615, u"استــــــــــــــــــراحة ", kTitleBack, kTitleFore, &kArial2025Bold, A::Centre, false, false, 0},
    {K::Label, "Label2", kNoIndex, kOnPage, 240, 960, 6255, 3255, info::kInterludeSaying, kDarkCyan, kTextFore, &kArial18Bold, A::Right, false, false, 1},
    {K::Label, "Label3", kNoIndex, kOnPage, 240, 4440, 6255, 1095, info::kProverb, kDarkCyan, kTextFore, &kArial24Bold, A::Right, false, false, 2},
    {K::Button, "Command1", kNoIndex, kOnPage, 4680, 5760, 1815, 495, u"عودة ", kNone, kNone, nullptr, A::Centre, false, false, 3},
    {K::Button, "Command2", kNoIndex, kOnPage, 2520, 5760, 1815, 495, u"خروج ", kNone, kNone, nullptr, A::Centre, false, false, 4},
    {K::Button, "Command3", kNoIndex, kOnPage, 240, 5760, 1815, 495, u"متابعة ", kNone, kNone, nullptr, A::Centre, false, false, 5},
};

const Control kForm26Controls[] = {
    {K::Label, "Label1", kNoIndex, kOnPage, 240, 120, 6255, 615, u"اســـــــــــــــــــــــــتراحـــــــــــة", kTitleBack, kTitleFore, &kArial2175Bold, A::Centre, false, false, 0},
    {K::Label, "Label2", kNoIndex, kOnPage, 240, 840, 6255, 1815, info::kAnecdote1, kDarkGreen, kTextFore, &kArial18Bold, A::Right, false, false, 1},
    {K::Label, "Label4", kNoIndex, kOnPage, 240, 2760, 6255, 1575, info::kAnecdote2, kDarkGreen, kTextFore, &kArial18Bold, A::Right, false, false, 6},
    {K::Label, "Label3", kNoIndex, kOnPage, 240, 4440, 6255, 975, info::kAnecdote3, kDarkGreen, kTextFore, &kArial18Bold, A::Right, false, false, 2},
    {K::Button, "Command1", kNoIndex, kOnPage, 4440, 5760, 2055, 495, u"عودة ", kNone, kNone, nullptr, A::Centre, false, false, 3},
    {K::Button, "Command2", kNoIndex, kOnPage, 120, 5760, 1935, 495, u"متابعة", kNone, kNone, nullptr, A::Centre, false, false, 4},
    {K::Button, "Command3", kNoIndex, kOnPage, 2400, 5760, 1695, 495, u"خروج", kNone, kNone, nullptr, A::Centre, false, false, 5},
};

const Control kForm23Controls[] = {
    {K::Label, "Label1", kNoIndex, kOnPage, 360, 120, 5895, 2295, info::kClosing1, kClosingBack, kClosingFore, &kArial2175, A::Right, false, false, 0},
    {K::Label, "Label2", kNoIndex, kOnPage, 360, 2520, 5895, 2175, info::kClosing2, kClosingBack, kClosingFore, &kArial2175, A::Right, false, false, 1},
    {K::Label, "Label3", kNoIndex, kOnPage, 360, 4800, 5895, 615, u"مصمم البرنامج / برنوان", kClosingBack, kClosingFore, &kArial2025, A::Centre, false, false, 2},
    {K::Button, "Command1", kNoIndex, kOnPage, 360, 5760, 2175, 495, u"خروج", kNone, kNone, nullptr, A::Centre, false, false, 3},
    {K::Button, "Command2", kNoIndex, kOnPage, 4080, 5760, 2175, 495, u"عودة", kNone, kNone, nullptr, A::Centre, false, false, 4},
};

}  // namespace

// name, window title, back colour, client width, client height, controls
const Page kForm1{"Form1", u"فيلورا ", 0x00808000, 6690, 6405, kForm1Controls};
const Page kForm23{"Form23", u"فيلورا", kButtonText, 6600, 6405, kForm23Controls};
const Page kForm24{"Form24", u"فيلورا", kButtonText, 6690, 6405, kForm24Controls};
const Page kForm25{"Form25", u"فيلورا ", kButtonText, 6690, 6405, kForm25Controls};
const Page kForm26{"Form26", u"فيلورا", kButtonText, 6690, 6405, kForm26Controls};

}  // namespace pages
