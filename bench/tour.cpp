// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Memory over full tours: starts as the program does, then visits every page
// by the forward buttons (each shown and painted, the one before hidden), and
// after each tour prints the peak and current resident memory and the heap in use.
//
//   bench_tour [TOURS [PAUSE_MS]]   (11 tours when not given: the first tour
//                                    and ten more; no pause on the pages)
//
// With a pause, the program sits on each page as a reader does, and gets the
// window of the page the forward button leads to ready meanwhile.
//
// Output, one line after start-up and one per tour:
//   tour=<k> vmhwm_kib=<VmHWM> vmrss_kib=<VmRSS> heap_bytes=<malloc in use>

#include "measure.h"

#include "pages/widgets.h"
#include "shell/app.h"
#include "shell/start.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void report(int tour)
{
    std::printf("tour=%d vmhwm_kib=%ld vmrss_kib=%ld heap_bytes=%lld\n", tour, bench::statusKiB("VmHWM"),
                bench::statusKiB("VmRSS"), bench::heapInUseBytes());
    std::fflush(stdout);
}

constexpr int kSettleMs = 20;

// Shows `to` in place of the visible page `from` and waits for its paint.
bool visit(shell::App& app, QWidget* from, int to)
{
    pages::PageWindow* target = app.lookUp(to);
    const bench::PaintCounter counter(target);
    app.navigate(from, "Form" + std::to_string(to));
    return bench::waitForPaint(counter, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    const int tours = argc > 1 ? std::atoi(argv[1]) : 11;
    const int pauseMs = argc > 2 ? std::atoi(argv[2]) : 0;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("filora"));
    shell::prepareApplication();

    shell::App app;
    {
        pages::PageWindow* menu = app.lookUp(1);
        const bench::PaintCounter counter(menu);
        app.start();
        if (!bench::waitForPaint(counter, 0)) {
            std::fprintf(stderr, "bench_tour: the main menu was never painted\n");
            return 1;
        }
    }
    report(0);

    // A tour by the forward buttons: Form1, Form24, Form2 ... Form23, and
    // back to the main menu.
    int current = 1;
    for (int tour = 1; tour <= tours; ++tour) {
        do {
            const int to = shell::App::pageNumber(app.lookUp(current)->onward());
            if (!visit(app, app.existing(current), to)) {
                std::fprintf(stderr, "bench_tour: Form%d was never painted\n", to);
                return 1;
            }
            current = to;
            if (pauseMs > 0)
                bench::idle(pauseMs);
        } while (current != 1);
        // The pages left behind give their windows back a few milliseconds
        // after the shown page is drawn: the figures are taken after that.
        if (pauseMs == 0)
            bench::idle(kSettleMs);
        report(tour);
    }
    return 0;
}
