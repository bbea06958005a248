// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The opening, interlude and closing pages: text and buttons, no state.

namespace pages {
class PageWindow;
}
namespace shell {
class App;
}

namespace info {

// Builds Form23 .. Form26 hidden, with their buttons bound.
pages::PageWindow* buildInfoPage(shell::App& app, int number);

}  // namespace info
