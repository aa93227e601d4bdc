// The calculate-all run over 1,000 investments in 20 portfolios, each with one value and
// one transaction a month, including every write of the figures to the tables: 30 years
// of history, and 60 years to show that the time grows at most linearly.
#include <benchmark/benchmark.h>

#include "bench/bench_store_data.h"
#include "core/clock.h"
#include "engine/calculation_run.h"
#include "engine/performance_engine.h"
#include "store/data_store.h"

namespace brevanta::bench {
namespace {

void BM_CalculateEverything(benchmark::State& state) {
    BenchStoreShape shape;
    shape.months = static_cast<int>(state.range(0));
    const BenchStore data(shape);
    const SystemClock clock;
    for (auto _ : state) {
        DataStore store(data.directory());
        if (!store.Load().ok()) state.SkipWithError("load failed");
        PerformanceEngine engine(store, clock, data.directory());
        const Status status =
            CalculatePortfolios(store, engine, store.AllPortfolios(), shape.last_month_end);
        if (!status.ok()) state.SkipWithError(status.message().c_str());
    }
    state.counters["investments"] = data.holdings();
}
BENCHMARK(BM_CalculateEverything)
    ->Arg(360)
    ->Arg(720)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
}  // namespace brevanta::bench
