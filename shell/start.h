// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace shell {

class App;

// Starts the program: checks that a display can be reached, creates the
// application and the page registry, shows the main menu and runs the event
// loop. Returns the process's exit status.
int run(int argc, char** argv);

// Shows the main menu and runs the event loop until the program ends; a
// start that failed, or an exit requested before the loop runs, ends at once.
// Returns the exit status.
int startAndRun(App& app);

// Sets up an application object that already exists: the style, the
// default font, the toolkit's own words in Arabic and the quitting rules the
// pages rely on.
void prepareApplication();

}  // namespace shell
