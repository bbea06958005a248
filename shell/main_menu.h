// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main menu Form1: the four ways into the tour, the exit button, the
// About box and the hover hints in the hint line Label2.

#include <QString>

namespace pages {
class PageWindow;
}

namespace shell {

class App;

pages::PageWindow* buildMainMenu(App& app);

// The About box's text, with the author's address.
QString aboutText();
QString aboutTitle();

}  // namespace shell
