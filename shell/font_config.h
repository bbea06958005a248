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
//
// Where the read runs matters. A new thread mostly starts on its parent's
// core, and the scheduler moves it only 0.5 to 2 ms later. That suits a program that talks
// to a display server on a machine of two cores: the main thread keeps
// waiting for the server's replies while it opens its window, the read fills
// those waits, and the server has the other core to itself. Without a server
// (the offscreen, framebuffer and EGL platforms) the main thread never waits,
// and with three cores or more there is one to spare; then the read is moved
// to another core at once, so that it runs beside the main thread instead of
// taking turns with it.

#include <thread>

namespace shell {

class FontConfigReader {
public:
    // Starts reading the configuration, on another core than the caller's
    // when `aside`.
    explicit FontConfigReader(bool aside);
    // Waits for the read, if it has not been waited for.
    ~FontConfigReader() = default;

    FontConfigReader(const FontConfigReader&) = delete;
    FontConfigReader& operator=(const FontConfigReader&) = delete;

    // Returns once the configuration is loaded. Call it before the first
    // text is measured or drawn: had Qt started the same read meanwhile,
    // both would read it in full, one for nothing.
    void wait();

private:
    std::jthread reading_;
};

// Whether the read should run aside for a program started with these
// arguments and this environment: false when the platform Qt will open talks
// to a display server (X11, Wayland, or Qt's default, which is one of them)
// and the program may use no more than two cores.
bool readFontConfigAside(int argc, const char* const* argv, const char* platformVariable, int cores);

// The same for this process: its arguments, QT_QPA_PLATFORM and the cores it
// may run on.
bool readFontConfigAside(int argc, const char* const* argv);

}  // namespace shell
