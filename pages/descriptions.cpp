// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/descriptions.h"

#include "info/texts.h"

namespace pages {

namespace {

constexpr Font kArial48Bold{.face = u"Arial", .size = 480000, .weight = 700};
constexpr Font kArial24Bold{.face = u"Arial", .size = 240000, .weight = 700};
constexpr Font kArial2175Bold{.face = u"Arial", .size = 217500, .weight = 700};
constexpr Font kArial2025Bold{.face = u"Arial", .size = 202500, .weight = 700};
constexpr Font kArial18Bold{.face = u"Arial", .size = 180000, .weight = 700};
constexpr Font kArial2175{.face = u"Arial", .size = 217500, .weight = 400};
constexpr Font kArial2025{.face = u"Arial", .size = 202500, .weight = 400};

constexpr Colour kTitleBack = 0x000000C0;   // 192, 0, 0
constexpr Colour kTitleFore = 0x00C0C0C0;   // 192, 192, 192
constexpr Colour kTextFore = 0x0080FF80;    // 128, 255, 128
constexpr Colour kDarkGreen = 0x00004000;   // 0, 64, 0
constexpr Colour kDarkCyan = 0x00404000;    // 0, 64, 64
constexpr Colour kClosingBack = 0x00000080; // 128, 0, 0
constexpr Colour kClosingFore = 0x00FFFFC0; // 192, 255, 255

using A = Align;

struct Box {
    int left, top, width, height;
};

struct Ink {
    Colour back, fore;
};

// Every control of these pages stands on the page itself, is no member of a
// control array, keeps its stored size and reads left to right.
constexpr Control label(std::string_view name, Box box, std::u16string_view caption, Ink ink, const Font* font,
                        Align align, int tab)
{
    return {Kind::Label, name, kNoIndex, kOnPage, box.left, box.top, box.width, box.height, caption, ink.back,
            ink.fore, font, align, false, false, tab};
}

// Buttons keep the standard scheme's colours and the default font, their
// caption centred.
constexpr Control button(std::string_view name, Box box, std::u16string_view caption, int tab)
{
    return {Kind::Button, name, kNoIndex, kOnPage, box.left, box.top, box.width, box.height, caption, kNoColour,
            kNoColour, nullptr, Align::Centre, false, false, tab};
}

// label: name, box, caption, colours, font, alignment, tab; button: name, box, caption, tab

constexpr Control kForm1Controls[] = {
    label("Label1", {.left = 240, .top = 240, .width = 6255, .height = 2415}, u"أهلا ومرحبا بكم في فيلورا", {.back = 0x00404000, .fore = 0x00C0FFC0}, &kArial48Bold, A::Centre, 0),
    button("Command1", {.left = 1200, .top = 5280, .width = 1935, .height = 495}, u"التالي", 1),
    button("Command2", {.left = 3360, .top = 5280, .width = 1935, .height = 495}, u"خروج", 2),
    button("w", {.left = 4680, .top = 4320, .width = 1575, .height = 495}, u"صفحة الألغاز", 3),
    button("Command5", {.left = 480, .top = 4320, .width = 1575, .height = 495}, u"صفحة الأسئلة", 4),
    button("Command6", {.left = 2520, .top = 4320, .width = 1575, .height = 495}, u"صفحة الأوائل", 5),
    button("a", {.left = 1920, .top = 2760, .width = 2655, .height = 615}, u"حول البرنامج", 6),
    label("Label2", {.left = 1200, .top = 5880, .width = 4095, .height = 375}, u"", {.back = 0x00808000, .fore = 0x0000FF00}, nullptr, A::Centre, 7),
};

constexpr Control kForm24Controls[] = {
    label("Label1", {.left = 240, .top = 120, .width = 6255, .height = 615}, u"بـــــــــــــــداية", {.back = kTitleBack, .fore = kTitleFore}, &kArial24Bold, A::Centre, 0),
    label("Label2", {.left = 240, .top = 840, .width = 6255, .height = 4815}, info::kOpeningSaying, {.back = kDarkGreen, .fore = kTextFore}, &kArial18Bold, A::Right, 1),
    button("Command1", {.left = 240, .top = 5760, .width = 2175, .height = 495}, u"متابعة ", 2),
    button("Command2", {.left = 4560, .top = 5760, .width = 1935, .height = 495}, u"عودة ", 3),
    button("Command3", {.left = 2760, .top = 5760, .width = 1455, .height = 495}, u"خروج", 4),
};

constexpr Control kForm25Controls[] = {
    label("Label1", {.left = 240, .top = 120, .width = 6255, .height = 615}, u"استــــــــــــــــــراحة ", {.back = kTitleBack, .fore = kTitleFore}, &kArial2025Bold, A::Centre, 0),
    label("Label2", {.left = 240, .top = 960, .width = 6255, .height = 3255}, info::kInterludeSaying, {.back = kDarkCyan, .fore = kTextFore}, &kArial18Bold, A::Right, 1),
    label("Label3", {.left = 240, .top = 4440, .width = 6255, .height = 1095}, info::kProverb, {.back = kDarkCyan, .fore = kTextFore}, &kArial24Bold, A::Right, 2),
    button("Command1", {.left = 4680, .top = 5760, .width = 1815, .height = 495}, u"عودة ", 3),
    button("Command2", {.left = 2520, .top = 5760, .width = 1815, .height = 495}, u"خروج ", 4),
    button("Command3", {.left = 240, .top = 5760, .width = 1815, .height = 495}, u"متابعة ", 5),
};

constexpr Control kForm26Controls[] = {
    label("Label1", {.left = 240, .top = 120, .width = 6255, .height = 615}, u"اســـــــــــــــــــــــــتراحـــــــــــة", {.back = kTitleBack, .fore = kTitleFore}, &kArial2175Bold, A::Centre, 0),
    label("Label2", {.left = 240, .top = 840, .width = 6255, .height = 1815}, info::kAnecdote1, {.back = kDarkGreen, .fore = kTextFore}, &kArial18Bold, A::Right, 1),
    label("Label4", {.left = 240, .top = 2760, .width = 6255, .height = 1575}, info::kAnecdote2, {.back = kDarkGreen, .fore = kTextFore}, &kArial18Bold, A::Right, 6),
    label("Label3", {.left = 240, .top = 4440, .width = 6255, .height = 975}, info::kAnecdote3, {.back = kDarkGreen, .fore = kTextFore}, &kArial18Bold, A::Right, 2),
    button("Command1", {.left = 4440, .top = 5760, .width = 2055, .height = 495}, u"عودة ", 3),
    button("Command2", {.left = 120, .top = 5760, .width = 1935, .height = 495}, u"متابعة", 4),
    button("Command3", {.left = 2400, .top = 5760, .width = 1695, .height = 495}, u"خروج", 5),
};

constexpr Control kForm23Controls[] = {
    label("Label1", {.left = 360, .top = 120, .width = 5895, .height = 2295}, info::kClosing1, {.back = kClosingBack, .fore = kClosingFore}, &kArial2175, A::Right, 0),
    label("Label2", {.left = 360, .top = 2520, .width = 5895, .height = 2175}, info::kClosing2, {.back = kClosingBack, .fore = kClosingFore}, &kArial2175, A::Right, 1),
    label("Label3", {.left = 360, .top = 4800, .width = 5895, .height = 615}, u"مصمم البرنامج / برنوان", {.back = kClosingBack, .fore = kClosingFore}, &kArial2025, A::Centre, 2),
    button("Command1", {.left = 360, .top = 5760, .width = 2175, .height = 495}, u"خروج", 3),
    button("Command2", {.left = 4080, .top = 5760, .width = 2175, .height = 495}, u"عودة", 4),
};

}  // namespace

constexpr Page kForm1{.name = "Form1", .title = u"فيلورا ", .back = 0x00808000, .clientWidth = 6690, .clientHeight = 6405, .controls = kForm1Controls};
constexpr Page kForm23{.name = "Form23", .title = u"فيلورا", .back = kButtonText, .clientWidth = 6600, .clientHeight = 6405, .controls = kForm23Controls};
constexpr Page kForm24{.name = "Form24", .title = u"فيلورا", .back = kButtonText, .clientWidth = 6690, .clientHeight = 6405, .controls = kForm24Controls};
constexpr Page kForm25{.name = "Form25", .title = u"فيلورا ", .back = kButtonText, .clientWidth = 6690, .clientHeight = 6405, .controls = kForm25Controls};
constexpr Page kForm26{.name = "Form26", .title = u"فيلورا", .back = kButtonText, .clientWidth = 6690, .clientHeight = 6405, .controls = kForm26Controls};

}  // namespace pages
