// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/quiz_page.h"

namespace quiz {

namespace {

// Whether a page row's slots tile its section: the section's pages follow
// each other, numbered from 1, their slots from slot 1 of the section to its
// last, with no gap and no overlap, at most eight on a page.
template <std::size_t N>
consteval bool tiles(Section section, const std::array<SlotText, N>&)
{
    int page = 0;
    std::size_t next = 1;
    for (const QuizPage& row : kQuizPages) {
        if (row.section != section)
            continue;
        if (row.pageNumber != ++page || std::size_t(row.firstSlot) != next || row.slotCount < 1 || row.slotCount > 8)
            return false;
        next += std::size_t(row.slotCount);
    }
    return next == N + 1;
}

static_assert(tiles(Section::Riddles, kRiddles));
static_assert(tiles(Section::Firsts, kFirsts));
static_assert(tiles(Section::General, kGeneral));

// Pages and the pages they lead to are named Form1 .. Form26, and the rows
// stand in page order from Form2.
consteval bool namesAPage(std::string_view name, int number = 0)
{
    if (name.size() < 5 || name.size() > 6 || name.substr(0, 4) != "Form")
        return false;
    int value = 0;
    for (char c : name.substr(4)) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= 26 && (number == 0 || value == number);
}

consteval bool namedInOrder()
{
    for (std::size_t k = 0; k < kQuizPages.size(); ++k) {
        const QuizPage& row = kQuizPages[k];
        if (!namesAPage(row.name, int(k) + 2) || !namesAPage(row.previous) || !namesAPage(row.next))
            return false;
    }
    return true;
}

static_assert(namedInOrder());

}  // namespace

const QuizPage& quizPage(int number)
{
    return kQuizPages.at(std::size_t(number - 2));
}

std::span<const SlotText> slotsOf(const QuizPage& page)
{
    std::span<const SlotText> section;
    switch (page.section) {
    case Section::Riddles: section = kRiddles; break;
    case Section::Firsts: section = kFirsts; break;
    case Section::General: section = kGeneral; break;
    }
    return section.subspan(std::size_t(page.firstSlot - 1), std::size_t(page.slotCount));
}

}  // namespace quiz
