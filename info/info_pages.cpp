// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/info_pages.h"

#include "pages/build.h"
#include "pages/descriptions.h"
#include "pages/widgets.h"
#include "shell/app.h"
#include "shell/buttons.h"

#include <memory>
#include <stdexcept>

namespace info {

namespace {

using shell::Action;
using shell::ButtonRow;

constexpr ButtonRow kForm24Buttons[] = {
    {"Command1_Click", Action::NavigateOnward, "Form2"},  // "متابعة "
    {"Command2_Click", Action::Navigate, "Form1"},        // "عودة "
    {"Command3_Click", Action::EndProgram, {}},           // "خروج"
};

constexpr ButtonRow kForm25Buttons[] = {
    {"Command1_Click", Action::Navigate, "Form6"},        // "عودة "
    {"Command2_Click", Action::EndProgram, {}},           // "خروج "
    {"Command3_Click", Action::NavigateOnward, "Form7"},  // "متابعة "
};

constexpr ButtonRow kForm26Buttons[] = {
    {"Command1_Click", Action::Navigate, "Form14"},        // "عودة "
    {"Command2_Click", Action::NavigateOnward, "Form15"},  // "متابعة"
    {"Command3_Click", Action::EndProgram, {}},            // "خروج"
};

constexpr ButtonRow kForm23Buttons[] = {
    {"Command1_Click", Action::EndProgram, {}},           // "خروج"
    {"Command2_Click", Action::NavigateOnward, "Form1"},  // "عودة"
};

// Where the page stands on the tour, read by a screen reader on arrival after
// the title, which the pages share.
std::u16string_view placeOf(int number)
{
    switch (number) {
    case 23: return u"الخاتمة";
    case 24: return u"البداية";
    case 25: return u"استراحة بعد الألغاز";
    case 26: return u"استراحة بعد الأوائل";
    }
    return {};
}

}  // namespace

pages::PageWindow* buildInfoPage(shell::App& app, int number)
{
    const pages::Page* description = nullptr;
    std::span<const ButtonRow> buttons;
    switch (number) {
    case 23: description = &pages::kForm23; buttons = kForm23Buttons; break;
    case 24: description = &pages::kForm24; buttons = kForm24Buttons; break;
    case 25: description = &pages::kForm25; buttons = kForm25Buttons; break;
    case 26: description = &pages::kForm26; buttons = kForm26Buttons; break;
    default: throw std::out_of_range("not an information page");
    }
    // Owned here until bound: a page that fails to bind is not leaked.
    std::unique_ptr<pages::PageWindow> page(pages::buildPage(*description));
    page->setAccessibleDescription(pages::text(placeOf(number)));
    shell::bindButtons(app, page.get(), buttons);
    return page.release();
}

}  // namespace info
