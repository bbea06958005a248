// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shared look of the pages: colours, units and fonts.

#include "pages/model.h"

#include <QColor>
#include <QFont>

class QPalette;

namespace pages {

// A plain colour unpacks from 0x00BBGGRR; a system colour is looked up in the
// palette given (the one in force when the page is drawn).
QColor resolveColour(Colour colour, const QPalette& palette);
bool isSystemColour(Colour colour);

// pixels = twips x dots per inch / 1440, rounded to the nearest pixel.
constexpr int twipsToPixels(int twips, int dotsPerInch = 96)
{
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    return static_cast<int>((scaled + 720) / 1440);
}

// The families the program names for a face: the face itself, its metric
// match where the machine has one, then a face with good Arabic glyphs.
QFont makeFont(const Font& font);
// The default user-interface font: 8 pt, one line 13 px high at 96 dpi.
QFont defaultFont();
// Installs the default font as the application font; call once after the
// application object exists.
void installDefaultFont();

}  // namespace pages
