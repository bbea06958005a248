// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/quiz_page.h"

namespace quiz {

using S = Section;

// name, section, page number, section heading, page-number label,
// first slot, slots, previous page, next page
const std::array<QuizPage, 21> kQuizPages{{
    {"Form2", S::Riddles, 1, u"الألغـــــــــــــــــــــــاز", u" الألغــــــ 1ـــــاز", 1, 7, "Form24", "Form3"},
    {"Form3", S::Riddles, 2, u"", u"الألغــــــــــ2ـــــــــــــــاز", 8, 7, "Form2", "Form4"},
    {"Form4", S::Riddles, 3, u"", u"الألغـــــــــــــ3ـــــــاز", 15, 7, "Form3", "Form5"},
    {"Form5", S::Riddles, 4, u"", u"الألغــــــــــ4ــــــاز", 22, 7, "Form4", "Form6"},
    {"Form6", S::Riddles, 5, u"", u"الألغـــــــــــــــ5ــــــــاز", 29, 7, "Form5", "Form25"},

    {"Form7", S::Firsts, 1, u"الأوائــــــــــــــــــــــــل", u"الأوائــــــــ1ــــــل", 1, 6, "Form25", "Form8"},
    {"Form8", S::Firsts, 2, u"", u"الأوائــــــــــــ2ــــــــــــل", 7, 8, "Form7", "Form9"},
    {"Form9", S::Firsts, 3, u"", u"الأوائــــــــــ3ــــــــل", 15, 8, "Form8", "Form10"},
    {"Form10", S::Firsts, 4, u"", u"الأوائــــــــــــــ4ــــــــل", 23, 8, "Form9", "Form11"},
    {"Form11", S::Firsts, 5, u"", u"الأوائـــــــــــــ5ــــــــل", 31, 8, "Form10", "Form12"},
    {"Form12", S::Firsts, 6, u"", u"الأوائـــــــــ6ـــــل", 39, 8, "Form11", "Form13"},
    {"Form13", S::Firsts, 7, u"", u"الأوائـــــــــ7ــــــل", 47, 8, "Form12", "Form14"},
    {"Form14", S::Firsts, 8, u"", u"الأوائــــــــــ8ـــــــل", 55, 8, "Form13", "Form26"},

    {"Form15", S::General, 1, u"الأسئـــــــــــــــلة العــــــامة", u"الأسئلة  1 العامة", 1, 6, "Form26", "Form16"},
    {"Form16", S::General, 2, u"", u"الأسئلة 2 العامة ", 7, 8, "Form15", "Form17"},
    {"Form17", S::General, 3, u"", u"الأسئلة 3 العامة ", 15, 8, "Form16", "Form18"},
    {"Form18", S::General, 4, u"", u"الأسئلة 4 العامة", 23, 8, "Form17", "Form19"},
    {"Form19", S::General, 5, u"", u"الأسئلة 5 العامة", 31, 8, "Form18", "Form20"},
    {"Form20", S::General, 6, u"", u"الأسئلة 6 العامة", 39, 8, "Form19", "Form21"},
    {"Form21", S::General, 7, u"", u"الأسئلة 7 العامة ", 47, 8, "Form20", "Form22"},
    {"Form22", S::General, 8, u"", u"الأسئلة 8 العامة ", 55, 8, "Form21", "Form23"},
}};

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
