// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading the system's font configuration (every file under /etc/fonts and
// the font caches) is the largest single piece of work before the first
// paint, and every program that draws text with fontconfig pays it. Qt reads
// it on the main thread when the first text is measured. The program starts
// that read on a thread of its own as it begins, so that it runs while the
// window system is being opened and the main menu built, and waits for it
// before anything is drawn: Qt then finds the configuration already loaded.

#include <thread>

namespace shell {

class FontConfigReader {
public:
    // Starts reading the configuration.
    FontConfigReader();

    FontConfigReader(const FontConfigReader&) = delete;
    FontConfigReader& operator=(const FontConfigReader&) = delete;

    // Returns once the configuration is loaded. Call it before the first
    // text is measured or drawn: had Qt started the same read meanwhile,
    // both would read it in full, one for nothing.
    void wait();

private:
    std::jthread reading_;
};

}  // namespace shell
