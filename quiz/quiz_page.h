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

extern const std::array<QuizPage, 21> kQuizPages;

// The page row of Form<number>, for number 2 .. 22.
const QuizPage& quizPage(int number);
// The page's slots, top to bottom.
std::span<const SlotText> slotsOf(const QuizPage& page);

// Builds quiz page Form<number> hidden and binds its handlers: CHECK1_Click ..
// Check8_Click show the slot's answer box, Command1_Click and Command2_Click
// go to the previous and the next page.
pages::PageWindow* buildQuizPage(shell::App& app, int number);

}  // namespace quiz
