// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Push buttons that navigate or end the program, bound from constant tables.

#include <span>
#include <string_view>

class QAbstractButton;

namespace pages {
class PageWindow;
}

namespace shell {

class App;

// NavigateOnward is the page's forward button: it navigates, and the page
// keeps its target's window ready while it is shown.
enum class Action { Navigate, NavigateOnward, EndProgram };

struct ButtonRow {
    std::string_view handler;  // "<Control>_Click"
    Action action;
    std::string_view target;  // the page to navigate to
};

void bindButtons(App& app, pages::PageWindow* page, std::span<const ButtonRow> rows);

// Return and Enter press the button while it has the focus, as Space does.
void pressOnReturn(QAbstractButton* button);

}  // namespace shell
