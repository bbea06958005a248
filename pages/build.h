// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Build page: a page description becomes a hidden window with its controls.

#include "pages/model.h"

#include <QString>

class QIcon;
class QWidget;

namespace pages {

class PageWindow;

// The objectName of a stored control: its name, and "(i)" for a member of a
// control array ("Frame1(5)").
QString controlObjectName(std::string_view name, int index);

// Creates the page's window, hidden, with every control in stored order
// (depth first) at its stored geometry, and records the focus order.
PageWindow* buildPage(const Page& page);

// The control of a built page with the given name (without regard to case)
// and array index, or nullptr.
QWidget* findControl(const QWidget* page, std::string_view name, int index = kNoIndex);

// The caption as a QString, exactly as stored.
QString text(std::u16string_view caption);

// A window title as a window must be given it to show it as it stands:
// "[*]" would otherwise stand for the mark of a modified document.
QString windowTitleText(const QString& title);

// The icon every page shows in its title bar and in the task bar.
const QIcon& pageIcon();

}  // namespace pages
