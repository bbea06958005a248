// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/quiz_page.h"

#include "pages/build.h"
#include "pages/quiz_layout.h"
#include "pages/widgets.h"
#include "shell/app.h"

#include <QCheckBox>

#include <algorithm>
#include <memory>
#include <vector>

namespace quiz {

namespace {

using pages::Align;
using pages::Control;
using pages::Kind;
using pages::kNoIndex;
using pages::kOnPage;

constexpr std::u16string_view kAnswerCaption = u"الجواب";
constexpr std::u16string_view kNextCaption = u"التالي";
constexpr pages::Colour kHeadingBack = 0x00000000;

// One handler per slot, named after its check box: slot 1's box is CHECK1.
constexpr std::string_view kRevealHandlers[] = {
    "CHECK1_Click", "Check2_Click", "Check3_Click", "Check4_Click",
    "Check5_Click", "Check6_Click", "Check7_Click", "Check8_Click",
};

std::vector<Control> controlsOf(const pages::QuizLayout& layout, const QuizPage& data)
{
    const auto texts = slotsOf(data);
    std::vector<Control> controls;
    controls.reserve(layout.slotRows.size() * 3 + 4);
    if (layout.headingWidth > 0)
        controls.push_back({Kind::Label, "Label1", kNoIndex, kOnPage, 120, 120, layout.headingWidth,
                            layout.headingHeight, data.heading, kHeadingBack, pages::kInfoBackground,
                            layout.headingFont, Align::Centre, false, false, layout.headingTab});
    for (const pages::SlotLayout& slot : layout.slotRows) {
        const SlotText& text = texts[std::size_t(slot.slot - 1)];
        const int frame = int(controls.size());
        controls.push_back({Kind::Frame, slot.frame.name, slot.frame.index, kOnPage, 120, slot.frameTop, 6495,
                            slot.frameHeight, text.title, pages::kSlotBack, slot.frameFore, nullptr, Align::Left,
                            false, true, slot.frameTab});
        controls.push_back({Kind::Label, slot.label.name, slot.label.index, frame, slot.labelLeft,
                            pages::kSlotControlTop, slot.labelWidth, slot.labelHeight, text.question,
                            pages::kSlotBack, pages::kQuestionFore, nullptr, Align::Right, slot.labelAutoSize, false,
                            slot.frameTab + 1});
        controls.push_back({Kind::CheckBox, slot.check.name, slot.check.index, frame, slot.checkLeft,
                            pages::kSlotControlTop, slot.checkWidth, pages::kCheckHeight, kAnswerCaption,
                            pages::kSlotBack, pages::kQuestionFore, nullptr, Align::Left, false, false,
                            slot.frameTab + 2});
    }
    controls.push_back({Kind::Button, "Command1", kNoIndex, kOnPage, layout.previousLeft, 5880, layout.previousWidth,
                        375, layout.previousCaption, pages::kNoColour, pages::kNoColour, nullptr, Align::Centre, false,
                        false, layout.previousTab});
    controls.push_back({Kind::Button, "Command2", kNoIndex, kOnPage, pages::kNextLeft, 5880, layout.nextWidth, 375,
                        kNextCaption, pages::kNoColour, pages::kNoColour, nullptr, Align::Centre, false, false,
                        layout.previousTab + 1});
    controls.push_back({Kind::Label, layout.pageLabel.name, layout.pageLabel.index, kOnPage, layout.pageLabelLeft,
                        6000, layout.pageLabelWidth, layout.pageLabelHeight, data.pageLabel, layout.pageLabelBack,
                        layout.pageLabelFore, nullptr, layout.pageLabelAlign, layout.pageLabelAutoSize, false,
                        layout.pageLabelTab});
    return controls;
}

std::u16string_view sectionName(Section section)
{
    switch (section) {
    case Section::Riddles: return u"الألغاز";
    case Section::Firsts: return u"الأوائل";
    case Section::General: return u"الأسئلة العامة";
    }
    return {};
}

// Where the page stands, for assistive technology: its section and its
// number within it ("الألغاز، الصفحة 1 من 5").
QString placeOf(const QuizPage& page)
{
    const auto count = std::count_if(kQuizPages.begin(), kQuizPages.end(),
                                     [&page](const QuizPage& other) { return other.section == page.section; });
    return QStringLiteral("%1، الصفحة %2 من %3")
        .arg(pages::text(sectionName(page.section)), QString::number(page.pageNumber), QString::number(count));
}

}  // namespace

pages::PageWindow* buildQuizPage(shell::App& app, int number)
{
    const QuizPage& data = quizPage(number);
    const pages::QuizLayout& layout = pages::kQuizLayouts.at(std::size_t(number - 2));
    const std::vector<Control> controls = controlsOf(layout, data);
    const pages::Page description{layout.page, layout.title, layout.back, 6690, 6405, controls};
    // Owned here until bound: a page that fails to bind is not leaked.
    std::unique_ptr<pages::PageWindow> owner(pages::buildPage(description));
    pages::PageWindow* page = owner.get();
    // The quiz pages share one title: a screen reader tells them apart by
    // this, read on arrival at the page after the title.
    page->setAccessibleDescription(placeOf(data));

    const auto texts = slotsOf(data);
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const SlotText& slot = texts[k];
        const std::string_view handler = kRevealHandlers[k];
        // Every box is called "الجواب"; a screen reader tells them apart by
        // the slot title and question read with it.
        if (QWidget* box = pages::findControl(page, handler.substr(0, handler.find('_'))))
            box->setAccessibleDescription(pages::text(slot.title) + QStringLiteral(": ") + pages::text(slot.question));
        app.onClick(page, handler, [&app, page, &slot] {
            app.showMessage(page, pages::text(slot.answer), pages::text(slot.boxTitle));
        });
    }
    app.onClick(page, "Command1_Click", [&app, page, &data] { app.navigate(page, data.previous); });
    app.onClick(page, "Command2_Click", [&app, page, &data] { app.navigate(page, data.next); });
    page->setOnward(data.next);
    return owner.release();
}

}  // namespace quiz
