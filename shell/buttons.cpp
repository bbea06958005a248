// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/buttons.h"

#include "pages/widgets.h"
#include "shell/app.h"

namespace shell {

void bindButtons(App& app, pages::PageWindow* page, std::span<const ButtonRow> rows)
{
    for (const ButtonRow& row : rows) {
        if (row.action == Action::EndProgram)
            app.onClick(page, row.handler, [&app] { app.endProgram(); });
        else
            app.onClick(page, row.handler, [&app, page, target = row.target] { app.navigate(page, target); });
    }
}

}  // namespace shell
