// Opening the desktop application on the large workload: the main window is built and shown
// offscreen, and the clock stops once the investment list holds the first portfolio's rows.
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QTreeView>
#include <memory>

#include "bench/bench_store_data.h"
#include "core/clock.h"
#include "ui/main/main_window.h"
#include "ui/platform/qt_platform.h"

namespace brevanta::bench {
namespace {

constexpr int kWaitMs = 60000;

void BM_OpenMainWindow(benchmark::State& state) {
    const BenchStore& data = StandardBenchStore();
    const int first_portfolio_rows = data.shape().holdings_per_portfolio;
    QtPlatform platform;
    const SystemClock clock;
    for (auto _ : state) {
        UiContext context{platform, Locale::EnUs(), clock, data.directory()};
        auto window = std::make_unique<MainWindow>(context);
        window->show();
        const auto* list = window->findChild<QTreeView*>("investmentList");
        QElapsedTimer waited;
        waited.start();
        while (list->model()->rowCount() < first_portfolio_rows && waited.elapsed() < kWaitMs) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        if (list->model()->rowCount() < first_portfolio_rows) state.SkipWithError("no rows shown");
        state.PauseTiming();
        window->close();
        QApplication::processEvents();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
}  // namespace brevanta::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Whatever the window remembers goes to settings of its own, not the user's.
    QApplication::setOrganizationName("BrevantaBench");
    QApplication::setApplicationName("BrevantaBench");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
