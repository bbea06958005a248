// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace shell {

// Makes the toolkit speak Arabic where it draws or announces words of its
// own (the OK button of every message box, the names of the actions that
// assistive technology offers) by loading Qt's Arabic catalogue, whatever the
// system's language. The pages keep their left-to-right layout: the catalogue
// would otherwise switch the whole application to right-to-left.
// Returns false when the catalogue cannot be found; the toolkit then keeps
// its English words and nothing else changes.
bool installArabicToolkitWords();

// Where a message box has no title, the toolkit puts the application's Latin
// name ("filora") in its title bar; the program's Arabic name stands there
// instead. Assistive technology names the box by its accessible name.
void nameUntitledBox(QWidget& box);

}  // namespace shell
