// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Building and navigating pages, on whatever platform QT_QPA_PLATFORM names
// (offscreen when unset). Every case times only its own work (manual time);
// setting up and tearing down the registry is left out. Each case's
// aggregates include min and max besides Google Benchmark's own.
//
// Baselines in the same run: a bare QWidget of a page's size built, and two
// bare widgets shown in turn, so each figure has a ratio to plain Qt.

#include "measure.h"

#include "pages/widgets.h"
#include "shell/app.h"
#include "shell/start.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from, Clock::time_point to = Clock::now())
{
    return std::chrono::duration<double>(to - from).count();
}

std::string formName(int number)
{
    return "Form" + std::to_string(number);
}

// Some other page to come from: the main menu, or Form2 when going to it.
int sourceFor(int target)
{
    return target == 1 ? 2 : 1;
}

template <typename Case>
benchmark::internal::Benchmark* withSpread(Case* c)
{
    return c->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

// ---- building ------------------------------------------------------------

// One page built hidden, with its handlers bound, in a fresh registry.
void BuildPage(benchmark::State& state)
{
    const int number = int(state.range(0));
    for (auto _ : state) {
        shell::App app;
        const auto started = Clock::now();
        benchmark::DoNotOptimize(app.lookUp(number));
        state.SetIterationTime(seconds(started));
    }
}
BENCHMARK(BuildPage)->DenseRange(1, shell::kPageCount)->Apply([](auto* c) { withSpread(c); });

// All 26 pages built hidden, one after the other, in a fresh registry.
void BuildAllPages(benchmark::State& state)
{
    for (auto _ : state) {
        shell::App app;
        const auto started = Clock::now();
        for (int number = 1; number <= shell::kPageCount; ++number)
            benchmark::DoNotOptimize(app.lookUp(number));
        state.SetIterationTime(seconds(started));
    }
}
BENCHMARK(BuildAllPages)->Apply([](auto* c) { withSpread(c); });

// Baseline: a bare top-level widget of a page's size, hidden.
void BaselineBuildBareWindow(benchmark::State& state)
{
    for (auto _ : state) {
        const auto started = Clock::now();
        auto window = std::make_unique<QWidget>();
        window->resize(446, 427);
        state.SetIterationTime(seconds(started));
    }
}
BENCHMARK(BaselineBuildBareWindow)->Apply([](auto* c) { withSpread(c); });

// ---- navigation ------------------------------------------------------------

// Shows `target` in place of `from` and waits for the target's paint.
bool navigateAndPaint(shell::App& app, QWidget* from, int target)
{
    const bench::PaintCounter counter(app.lookUp(target));
    app.navigate(from, formName(target));
    return bench::waitForPaint(counter, 0);
}

// Starts the registry as the program does and goes on to `source` when that is
// not the main menu; the source page is then shown and painted.
QWidget* startAt(shell::App& app, int source)
{
    QWidget* menu = app.lookUp(1);
    {
        const bench::PaintCounter counter(menu);
        app.start();
        if (!bench::waitForPaint(counter, 0))
            return nullptr;
    }
    if (source == 1)
        return menu;
    return navigateAndPaint(app, menu, source) ? app.lookUp(source) : nullptr;
}

// Waits for the counter's widget to be painted and records the time from
// `started` to the end of the events that brought the paint and its flush.
bool timedPaint(benchmark::State& state, const bench::PaintCounter& counter, Clock::time_point started)
{
    Clock::time_point paintedAt;
    const bool painted = bench::waitForPaint(counter, 0, 2000, &paintedAt);
    state.SetIterationTime(seconds(started, paintedAt));
    return painted;
}

// Times one move from `from` to `target`, up to the target's first paint
// and its flush to the window system.
bool timedMove(benchmark::State& state, shell::App& app, QWidget* from, int target)
{
    const bench::PaintCounter counter(app.lookUp(target));
    const auto started = Clock::now();
    app.navigate(from, formName(target));
    return timedPaint(state, counter, started);
}

// Moves from page `current` through `steps`, each shown and painted; `current`
// ends as the last of them.
bool walk(shell::App& app, int& current, std::initializer_list<int> steps)
{
    for (int step : steps) {
        if (!navigateAndPaint(app, app.lookUp(current), step))
            return false;
        current = step;
    }
    return true;
}

// The page the forward button of page `number` leads to (the page after it
// on the tour), and the page whose forward button leads to `number`.
int onwardOf(shell::App& app, int number)
{
    return shell::App::pageNumber(app.lookUp(number)->onward());
}

int beforeOnTour(shell::App& app, int number)
{
    for (int page = 1; page <= shell::kPageCount; ++page)
        if (onwardOf(app, page) == number)
            return page;
    return 0;
}

// Two pages far from `target` and from each other, to move away through.
int farFrom(int target, int steps)
{
    return (target - 1 + steps) % shell::kPageCount + 1;
}

// Back to the page one came from, as its back button does: from the target
// on to the page after it, then, after a pause of `pauseMs` there (none: at
// once), back. Both pages are built and shown once before.
void moveBack(benchmark::State& state, int pauseMs)
{
    const int target = int(state.range(0));
    shell::App app;
    QWidget* from = startAt(app, target);
    const int source = from ? onwardOf(app, target) : 0;
    if (!from || !navigateAndPaint(app, from, source)) {
        state.SkipWithError("a page was not painted");
        return;
    }
    for (auto _ : state) {
        if (pauseMs > 0)
            bench::idle(pauseMs);
        if (!timedMove(state, app, app.lookUp(source), target) || !navigateAndPaint(app, app.lookUp(target), source)) {
            state.SkipWithError("a page was not painted");
            break;
        }
    }
}

// Every page whose next page on the tour has a back button to it: all but
// Form22 and Form23 (the closing page and the main menu have none).
void backTargets(benchmark::internal::Benchmark* c)
{
    for (int number = 1; number <= shell::kPageCount; ++number)
        if (number != 22 && number != 23)
            c->Arg(number);
    withSpread(c);
}

void NavigateBack(benchmark::State& state)
{
    moveBack(state, 0);
}
BENCHMARK(NavigateBack)->Apply(backTargets);

// On to the target by the forward button of the page before it on the tour,
// after a pause there: that page is reached through two far pages, so that
// the target gave its window back and had it made again in the pause.
void NavigateOn(benchmark::State& state)
{
    const int target = int(state.range(0));
    shell::App app;
    const int before = beforeOnTour(app, target);
    QWidget* from = startAt(app, before);
    if (!from || !navigateAndPaint(app, from, target)) {
        state.SkipWithError("a page was not painted");
        return;
    }
    int current = target;
    for (auto _ : state) {
        if (!walk(app, current, {farFrom(target, 9), farFrom(target, 17), before})) {
            state.SkipWithError("a page was not painted");
            return;
        }
        bench::idle(80);
        const bool painted = timedMove(state, app, app.lookUp(before), target);
        current = target;
        if (!painted) {
            state.SkipWithError("a page was not painted");
            break;
        }
    }
}
BENCHMARK(NavigateOn)->DenseRange(1, shell::kPageCount)->Iterations(10)->Apply([](auto* c) { withSpread(c); });

// Control for NavigateOn: back to the page one came from, as NavigateBack,
// but after the same pause, so that the cost of the pause itself shows.
void NavigateBackAfterPause(benchmark::State& state)
{
    moveBack(state, 80);
}
BENCHMARK(NavigateBackAfterPause)->Arg(1)->Arg(3)->Arg(9)->Arg(17)->Arg(24)->Iterations(10)->Apply([](auto* c) { withSpread(c); });

// To a built page that gave its window back, as the main menu's section
// buttons and the back buttons after them reach one. Windows are given back
// after the shown page is drawn, so the move comes after the same pause as
// NavigateOn.
void NavigateToReleased(benchmark::State& state)
{
    const int target = int(state.range(0));
    const int source = farFrom(target, 13);
    shell::App app;
    QWidget* from = startAt(app, target);
    int current = target;
    for (auto _ : state) {
        if (!from || !walk(app, current, {farFrom(target, 5), farFrom(target, 20), source})) {
            state.SkipWithError("a page was not painted");
            return;
        }
        bench::idle(80);
        if (shell::PageCache::holdsSurface(app.lookUp(target))) {
            state.SkipWithError("the target kept its window");
            return;
        }
        const bool painted = timedMove(state, app, app.lookUp(source), target);
        current = target;
        if (!painted) {
            state.SkipWithError("a page was not painted");
            break;
        }
    }
}
BENCHMARK(NavigateToReleased)->DenseRange(1, shell::kPageCount)->Apply([](auto* c) { withSpread(c); });

// From a shown page to a target not built yet: the build, the first show
// (the window system's window is created) and the first paint.
void NavigateToUnbuilt(benchmark::State& state)
{
    const int target = int(state.range(0));
    const int source = sourceFor(target);
    for (auto _ : state) {
        shell::App app;
        QWidget* from = startAt(app, source);
        if (!from) {
            state.SkipWithError("the source page was not painted");
            break;
        }
        const bool painted = timedMove(state, app, from, target);
        if (!painted) {
            state.SkipWithError("the target page was not painted");
            break;
        }
    }
}
BENCHMARK(NavigateToUnbuilt)->DenseRange(1, shell::kPageCount)->Apply([](auto* c) { withSpread(c); });

// Baseline: two bare widgets of a page's size, shown before, shown in turn,
// after a pause of state.range(0) ms (none: at once).
void BaselineShowBuiltBareWindow(benchmark::State& state)
{
    const int pauseMs = int(state.range(0));
    QWidget first, second;
    for (QWidget* w : {&first, &second}) {
        w->resize(446, 427);
        const bench::PaintCounter counter(w);
        w->show();
        bench::waitForPaint(counter, 0);
        w->hide();
    }
    first.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        if (pauseMs > 0)
            bench::idle(pauseMs);
        const bench::PaintCounter counter(&second);
        const auto started = Clock::now();
        second.show();
        first.hide();
        const bool painted = timedPaint(state, counter, started);
        const bench::PaintCounter back(&first);
        first.show();
        second.hide();
        if (!painted || !bench::waitForPaint(back, 0)) {
            state.SkipWithError("a window was not painted");
            break;
        }
    }
}
BENCHMARK(BaselineShowBuiltBareWindow)->Arg(0)->Apply([](auto* c) { withSpread(c); });
BENCHMARK(BaselineShowBuiltBareWindow)->Arg(80)->Iterations(10)->Apply([](auto* c) { withSpread(c); });

// Baseline: a new bare widget created, shown for the first time and painted.
void BaselineShowNewBareWindow(benchmark::State& state)
{
    QWidget from;
    from.resize(446, 427);
    from.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        from.show();
        QCoreApplication::processEvents();
        const auto started = Clock::now();
        auto window = std::make_unique<QWidget>();
        window->resize(446, 427);
        const bench::PaintCounter counter(window.get());
        window->show();
        from.hide();
        const bool painted = timedPaint(state, counter, started);
        if (!painted) {
            state.SkipWithError("the window was not painted");
            break;
        }
    }
}
BENCHMARK(BaselineShowNewBareWindow)->Apply([](auto* c) { withSpread(c); });

// ---- summary ---------------------------------------------------------------

// The console output, and after it a summary against the targets, from the
// medians of the repetitions (or the single run when there is one).
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (failed(run))
                continue;
            const std::string key = run.run_name.function_name + "/" + run.run_name.args;
            Figures& figures = figures_[key];
            const double us = run.GetAdjustedRealTime();  // every case reports microseconds
            if (run.run_type == Run::RT_Iteration)
                figures.single = us;
            else if (run.aggregate_name == "median")
                figures.median = us;
            else if (run.aggregate_name == "min")
                figures.min = us;
            else if (run.aggregate_name == "max")
                figures.max = us;
        }
    }

    void printSummary() const
    {
        std::printf("\nsummary, platform %s (medians; min..max of the repetitions)\n",
                    qPrintable(QGuiApplication::platformName()));
        const auto page = [&](const char* family, int number) { return find(std::string(family) + "/" + std::to_string(number)); };

        // Building.
        const Figures* heaviest = nullptr;
        const Figures* heaviestQuiz = nullptr;
        int heaviestNumber = 0, heaviestQuizNumber = 0, over = 0;
        for (int number = 1; number <= shell::kPageCount; ++number) {
            const Figures* f = page("BuildPage", number);
            if (!f)
                continue;
            if (!heaviest || f->value() > heaviest->value())
                heaviest = f, heaviestNumber = number;
            if (number >= 2 && number <= 22 && (!heaviestQuiz || f->value() > heaviestQuiz->value()))
                heaviestQuiz = f, heaviestQuizNumber = number;
            over += f->value() > 2000;
        }
        if (heaviest) {
            line("build, heaviest page", heaviestNumber, *heaviest);
            if (heaviestQuiz)
                line("build, heaviest quiz page", heaviestQuizNumber, *heaviestQuiz);
            std::printf("    every page <= 2 ms: %s (%d over)\n", over == 0 ? "held" : "MISSED", over);
        }
        if (const Figures* all = find("BuildAllPages/")) {
            line("build, all 26 pages", 0, *all);
            std::printf("    all 26 <= 30 ms: %s\n", all->value() <= 30000 ? "held" : "MISSED");
        }
        if (const Figures* bare = find("BaselineBuildBareWindow/"))
            line("build, bare window (baseline)", 0, *bare);

        // Navigation: a move to a page that kept its window within 3 ms for
        // the median page, and every move, to any page, within 5 ms.
        navigation("NavigateBack", "back to the page one came from", 3000, 5000,
                   find("BaselineShowBuiltBareWindow/0"));
        navigation("NavigateOn", "on by the forward button, after a pause", 3000, 5000,
                   find("BaselineShowBuiltBareWindow/80"));
        navigation("NavigateBackAfterPause", "back, after the same pause (control)", 3000, 5000,
                   find("BaselineShowBuiltBareWindow/80"));
        navigation("NavigateToReleased", "to a page that gave its window back", 5000, 5000, nullptr);
        navigation("NavigateToUnbuilt", "navigate to an unbuilt page", 5000, 5000,
                   find("BaselineShowNewBareWindow/"));
    }

private:
    // Google Benchmark 1.8 replaced a run's error_occurred by skipped.
    template <typename R>
    static bool failed(const R& run)
    {
        if constexpr (requires { run.skipped; })
            return static_cast<bool>(run.skipped);
        else
            return run.error_occurred;
    }

    struct Figures {
        double single = -1, median = -1, min = -1, max = -1;
        double value() const { return median >= 0 ? median : single; }
    };

    const Figures* find(const std::string& key) const
    {
        const auto it = figures_.find(key);
        return it == figures_.end() ? nullptr : &it->second;
    }

    static void line(const char* what, int number, const Figures& f)
    {
        char name[80];
        if (number > 0)
            std::snprintf(name, sizeof name, "%s (Form%d)", what, number);
        else
            std::snprintf(name, sizeof name, "%s", what);
        if (f.min >= 0)
            std::printf("  %-44s %9.1f us  (%.1f .. %.1f)\n", name, f.value(), f.min, f.max);
        else
            std::printf("  %-44s %9.1f us\n", name, f.value());
    }

    // Targets: the median page within `medianUs`, the slowest within `slowestUs`.
    void navigation(const char* family, const char* what, double medianUs, double slowestUs,
                    const Figures* baseline) const
    {
        const Figures* slowest = nullptr;
        int slowestNumber = 0;
        std::vector<double> medians;
        for (int number = 1; number <= shell::kPageCount; ++number) {
            const Figures* f = find(std::string(family) + "/" + std::to_string(number));
            if (!f)
                continue;
            medians.push_back(f->value());
            if (!slowest || f->value() > slowest->value())
                slowest = f, slowestNumber = number;
        }
        if (!slowest)
            return;
        std::sort(medians.begin(), medians.end());
        const double typical = medians[medians.size() / 2];
        char label[80];
        std::snprintf(label, sizeof label, "%s, slowest", what);
        line(label, slowestNumber, *slowest);
        std::printf("  %-44s %9.1f us\n", (std::string(what) + ", median page").c_str(), typical);
        if (baseline) {
            line("  bare window (baseline)", 0, *baseline);
            std::printf("    ratio median page / bare window: %.1f\n", typical / baseline->value());
        }
        if (medianUs < slowestUs)
            std::printf("    median page <= %.1f ms: %s\n", medianUs / 1000, typical <= medianUs ? "held" : "MISSED");
        std::printf("    slowest <= %.0f ms: %s\n", slowestUs / 1000, slowest->value() <= slowestUs ? "held" : "MISSED");
    }

    std::map<std::string, Figures> figures_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("filora"));
    shell::prepareApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
