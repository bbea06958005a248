// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own start-up, exactly as its main runs it, ended right after
// the main menu's first paint. Run by bench_driver; see BENCHMARKS.md.

#include "first_paint.h"
#include "shell/start.h"

namespace {

// Runs inside the application object's constructor, before anything of the
// program is built.
void watchMainMenu()
{
    new bench::FirstPaintExit(QStringLiteral("Form1"));
}
Q_COREAPP_STARTUP_FUNCTION(watchMainMenu)

}  // namespace

int main(int argc, char** argv)
{
    return shell::run(argc, argv);
}
