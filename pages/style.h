// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The widget style of the pages and what they tell assistive technology.

class QStyle;

namespace pages {

// Qt's Fusion style, with a focus mark that stands out on every page: a solid
// line in the control's own text colour, shown whenever a push button or
// check box has the focus, not only after the first Tab.
QStyle* createPageStyle();

// Makes a page announce itself as a window (with its title as its name), so
// that a screen reader reads the title when the page becomes active.
void installAccessibility();

}  // namespace pages
