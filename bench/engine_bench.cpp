// The calculate-all run over investments in portfolios of 50, each with one value and one
// transaction a month, including the load and every write of the figures to the tables: 1,000
// investments with 30 years of history, then 60 years and 500 investments to show that the
// time grows at most linearly with both.
#include <benchmark/benchmark.h>

#include "bench/bench_store_data.h"
#include "core/clock.h"
#include "engine/calculation_run.h"
#include "store/data_store.h"

namespace brevanta::bench {
namespace {

void BM_CalculateEverything(benchmark::State& state) {
    BenchStoreShape shape;
    shape.months = static_cast<int>(state.range(0));
    shape.portfolios = static_cast<int>(state.range(1));
    const BenchStore data(shape);
    const SystemClock clock;
    for (auto _ : state) {
        std::unique_ptr<DataStore> store;
        if (!DataStore::Open(data.directory(), DataStore::Access::ReadWrite, &store).ok()) {
            state.SkipWithError("load failed");
            break;
        }
        CalculationRun run(*store, clock, data.directory());
        const Status status =
            run.CalculatePortfolios(store->portfolios().AllPortfolios(), shape.last_month_end);
        if (!status.ok()) state.SkipWithError(status.message().c_str());
    }
    state.counters["investments"] = data.holdings();
}
BENCHMARK(BM_CalculateEverything)
    ->Args({360, 20})
    ->Args({720, 20})
    ->Args({360, 10})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
}  // namespace brevanta::bench
