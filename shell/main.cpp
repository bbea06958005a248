// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/start.h"

int main(int argc, char** argv)
{
    return shell::run(argc, argv);
}
