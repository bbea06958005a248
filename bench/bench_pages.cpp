// Building and navigating pages, on whatever platform QT_QPA_PLATFORM names
// (offscreen when unset).

#include "pages/widgets.h"
#include "shell/app.h"
#include "shell/start.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BuildPage(benchmark::State& state)
{
    const int number = int(state.range(0));
    for (auto _ : state) {
        shell::App app;
        benchmark::DoNotOptimize(app.lookUp(number));
    }
}
BENCHMARK(BuildPage)->DenseRange(1, shell::kPageCount)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    shell::prepareApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
