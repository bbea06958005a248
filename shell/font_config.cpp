// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/font_config.h"

#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sched.h>

#include <cstdlib>
#include <string_view>

namespace shell {

namespace {

// Moves `thread` to a core other than the caller's, then lets it run
// anywhere again: the scheduler leaves a running thread where it is, so only
// where it starts is chosen.
void moveAside(std::jthread& thread)
{
    cpu_set_t all;
    if (sched_getaffinity(0, sizeof all, &all) != 0)
        return;
    cpu_set_t others = all;
    if (const int here = sched_getcpu(); here >= 0)
        CPU_CLR(here, &others);
    if (CPU_COUNT(&others) == 0)
        return;
    pthread_setaffinity_np(thread.native_handle(), sizeof others, &others);
    pthread_setaffinity_np(thread.native_handle(), sizeof all, &all);
}

}  // namespace

FontConfigReader::FontConfigReader(bool aside) : reading_([] { FcInit(); })
{
    if (aside)
        moveAside(reading_);
}

void FontConfigReader::wait()
{
    if (reading_.joinable())
        reading_.join();
}

bool readFontConfigAside(int argc, const char* const* argv, const char* platformVariable, int cores)
{
    if (cores > 2)
        return true;
    // The platform: the last -platform argument, else QT_QPA_PLATFORM (a
    // list, tried in turn), else Qt's default, X11 or Wayland.
    std::string_view platform = platformVariable ? platformVariable : "";
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform")
            platform = argv[i + 1];
    }
    if (platform.empty())
        return false;
    return platform.find("xcb") == std::string_view::npos && platform.find("wayland") == std::string_view::npos;
}

bool readFontConfigAside(int argc, const char* const* argv)
{
    cpu_set_t cores;
    const int count = sched_getaffinity(0, sizeof cores, &cores) == 0 ? CPU_COUNT(&cores) : 1;
    return readFontConfigAside(argc, argv, std::getenv("QT_QPA_PLATFORM"), count);
}

}  // namespace shell
