// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/font_config.h"

#include <fontconfig/fontconfig.h>

namespace shell {

FontConfigReader::FontConfigReader() : reading_([] { FcInit(); }) {}

void FontConfigReader::wait()
{
    if (reading_.joinable())
        reading_.join();
}

}  // namespace shell
