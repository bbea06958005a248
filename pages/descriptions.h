// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The descriptions of the main menu and of the opening, interlude and closing
// pages. The quiz pages are described by their layout (quiz_layout.h) and
// filled with their section's texts.

#include "pages/model.h"

namespace pages {

extern const Page kForm1;   // main menu
extern const Page kForm23;  // closing page
extern const Page kForm24;  // opening page
extern const Page kForm25;  // first interlude
extern const Page kForm26;  // second interlude

}  // namespace pages
