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
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
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

// From another page to the target, both built and each shown once before.
void NavigateToBuilt(benchmark::State& state)
{
    const int target = int(state.range(0));
    const int source = sourceFor(target);
    shell::App app;
    QWidget* from = startAt(app, source);
    if (!from || !navigateAndPaint(app, from, target) || !navigateAndPaint(app, app.lookUp(target), source))
        state.SkipWithError("a page was not painted");
    for (auto _ : state) {
        const bench::PaintCounter counter(app.lookUp(target));
        const auto started = Clock::now();
        app.navigate(from, formName(target));
        const bool painted = bench::waitForPaint(counter, 0);
        state.SetIterationTime(seconds(started));
        if (!painted || !navigateAndPaint(app, app.lookUp(target), source)) {
            state.SkipWithError("a page was not painted");
            break;
        }
    }
}
BENCHMARK(NavigateToBuilt)->DenseRange(1, shell::kPageCount)->Apply([](auto* c) { withSpread(c); });

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
        const auto started = Clock::now();
        const bool painted = navigateAndPaint(app, from, target);
        state.SetIterationTime(seconds(started));
        if (!painted) {
            state.SkipWithError("the target page was not painted");
            break;
        }
    }
}
BENCHMARK(NavigateToUnbuilt)->DenseRange(1, shell::kPageCount)->Apply([](auto* c) { withSpread(c); });

// Baseline: two bare widgets of a page's size, shown before, shown in turn.
void BaselineShowBuiltBareWindow(benchmark::State& state)
{
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
        const bench::PaintCounter counter(&second);
        const auto started = Clock::now();
        second.show();
        first.hide();
        const bool painted = bench::waitForPaint(counter, 0);
        state.SetIterationTime(seconds(started));
        const bench::PaintCounter back(&first);
        first.show();
        second.hide();
        if (!painted || !bench::waitForPaint(back, 0)) {
            state.SkipWithError("a window was not painted");
            break;
        }
    }
}
BENCHMARK(BaselineShowBuiltBareWindow)->Apply([](auto* c) { withSpread(c); });

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
        const bool painted = bench::waitForPaint(counter, 0);
        state.SetIterationTime(seconds(started));
        if (!painted) {
            state.SkipWithError("the window was not painted");
            break;
        }
    }
}
BENCHMARK(BaselineShowNewBareWindow)->Apply([](auto* c) { withSpread(c); });

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
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
