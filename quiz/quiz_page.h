// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The quiz page template: every page of the three sections is this template
// filled with its page row and its section's slot texts.

#include "quiz/section.h"

#include <array>
#include <span>
#include <string_view>

namespace pages {
class PageWindow;
}
namespace shell {
class App;
}

namespace quiz {

enum class Section { Riddles, Firsts, General };

struct QuizPage {
    std::string_view name;  // Form2 .. Form22
    Section section;
    int pageNumber;                 // within the section
    std::u16string_view heading;    // empty: the page has none
    std::u16string_view pageLabel;  // caption of the page-number label
    int firstSlot;                  // section number of the page's top slot
    int slotCount;
    std::string_view previous;  // target of Command1 "السابق"
    std::string_view next;      // target of Command2 "التالي"
};

// The page rows of the three sections, Form2 .. Form22 in page order.
inline constexpr std::array<QuizPage, 21> kQuizPages{{
    {.name = "Form2", .section = Section::Riddles, .pageNumber = 1, .heading = u"الألغـــــــــــــــــــــــاز", .pageLabel = u" الألغــــــ 1ـــــاز", .firstSlot = 1, .slotCount = 7, .previous = "Form24", .next = "Form3"},
    {.name = "Form3", .section = Section::Riddles, .pageNumber = 2, .heading = u"", .pageLabel = u"الألغــــــــــ2ـــــــــــــــاز", .firstSlot = 8, .slotCount = 7, .previous = "Form2", .next = "Form4"},
    {.name = "Form4", .section = Section::Riddles, .pageNumber = 3, .heading = u"", .pageLabel = u"الألغـــــــــــــ3ـــــــاز", .firstSlot = 15, .slotCount = 7, .previous = "Form3", .next = "Form5"},
    {.name = "Form5", .section = Section::Riddles, .pageNumber = 4, .heading = u"", .pageLabel = u"الألغــــــــــ4ــــــاز", .firstSlot = 22, .slotCount = 7, .previous = "Form4", .next = "Form6"},
    {.name = "Form6", .section = Section::Riddles, .pageNumber = 5, .heading = u"", .pageLabel = u"الألغـــــــــــــــ5ــــــــاز", .firstSlot = 29, .slotCount = 7, .previous = "Form5", .next = "Form25"},

    {.name = "Form7", .section = Section::Firsts, .pageNumber = 1, .heading = u"الأوائــــــــــــــــــــــــل", .pageLabel = u"الأوائــــــــ1ــــــل", .firstSlot = 1, .slotCount = 6, .previous = "Form25", .next = "Form8"},
    {.name = "Form8", .section = Section::Firsts, .pageNumber = 2, .heading = u"", .pageLabel = u"الأوائــــــــــــ2ــــــــــــل", .firstSlot = 7, .slotCount = 8, .previous = "Form7", .next = "Form9"},
    {.name = "Form9", .section = Section::Firsts, .pageNumber = 3, .heading = u"", .pageLabel = u"الأوائــــــــــ3ــــــــل", .firstSlot = 15, .slotCount = 8, .previous = "Form8", .next = "Form10"},
    {.name = "Form10", .section = Section::Firsts, .pageNumber = 4, .heading = u"", .pageLabel = u"الأوائــــــــــــــ4ــــــــل", .firstSlot = 23, .slotCount = 8, .previous = "Form9", .next = "Form11"},
    {.name = "Form11", .section = Section::Firsts, .pageNumber = 5, .heading = u"", .pageLabel = u"الأوائـــــــــــــ5ــــــــل", .firstSlot = 31, .slotCount = 8, .previous = "Form10", .next = "Form12"},
    {.name = "Form12", .section = Section::Firsts, .pageNumber = 6, .heading = u"", .pageLabel = u"الأوائـــــــــ6ـــــل", .firstSlot = 39, .slotCount = 8, .previous = "Form11", .next = "Form13"},
    {.name = "Form13", .section = Section::Firsts, .pageNumber = 7, .heading = u"", .pageLabel = u"الأوائـــــــــ7ــــــل", .firstSlot = 47, .slotCount = 8, .previous = "Form12", .next = "Form14"},
    {.name = "Form14", .section = Section::Firsts, .pageNumber = 8, .heading = u"", .pageLabel = u"الأوائــــــــــ8ـــــــل", .firstSlot = 55, .slotCount = 8, .previous = "Form13", .next = "Form26"},

    {.name = "Form15", .section = Section::General, .pageNumber = 1, .heading = u"الأسئـــــــــــــــلة العــــــامة", .pageLabel = u"الأسئلة  1 العامة", .firstSlot = 1, .slotCount = 6, .previous = "Form26", .next = "Form16"},
    {.name = "Form16", .section = Section::General, .pageNumber = 2, .heading = u"", .pageLabel = u"الأسئلة 2 العامة ", .firstSlot = 7, .slotCount = 8, .previous = "Form15", .next = "Form17"},
    {.name = "Form17", .section = Section::General, .pageNumber = 3, .heading = u"", .pageLabel = u"الأسئلة 3 العامة ", .firstSlot = 15, .slotCount = 8, .previous = "Form16", .next = "Form18"},
    {.name = "Form18", .section = Section::General, .pageNumber = 4, .heading = u"", .pageLabel = u"الأسئلة 4 العامة", .firstSlot = 23, .slotCount = 8, .previous = "Form17", .next = "Form19"},
    {.name = "Form19", .section = Section::General, .pageNumber = 5, .heading = u"", .pageLabel = u"الأسئلة 5 العامة", .firstSlot = 31, .slotCount = 8, .previous = "Form18", .next = "Form20"},
    {.name = "Form20", .section = Section::General, .pageNumber = 6, .heading = u"", .pageLabel = u"الأسئلة 6 العامة", .firstSlot = 39, .slotCount = 8, .previous = "Form19", .next = "Form21"},
    {.name = "Form21", .section = Section::General, .pageNumber = 7, .heading = u"", .pageLabel = u"الأسئلة 7 العامة ", .firstSlot = 47, .slotCount = 8, .previous = "Form20", .next = "Form22"},
    {.name = "Form22", .section = Section::General, .pageNumber = 8, .heading = u"", .pageLabel = u"الأسئلة 8 العامة ", .firstSlot = 55, .slotCount = 8, .previous = "Form21", .next = "Form23"},
}};

// The page row of Form<number>, for number 2 .. 22.
const QuizPage& quizPage(int number);
// The page's slots, top to bottom.
std::span<const SlotText> slotsOf(const QuizPage& page);

// Builds quiz page Form<number> hidden and binds its handlers: CHECK1_Click ..
// Check8_Click show the slot's answer box, Command1_Click and Command2_Click
// go to the previous and the next page.
pages::PageWindow* buildQuizPage(shell::App& app, int number);

}  // namespace quiz
