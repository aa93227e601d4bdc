// The data store on 1,000 investments with 360 values and 360 transactions each: the
// start-up load, and the per-investment queries the performance engine repeats.
#include <benchmark/benchmark.h>

#include "bench/bench_store_data.h"
#include "store/data_store.h"

namespace brevanta::bench {
namespace {

constexpr int kCalls = 10000;

const DataStore& LoadedStandardStore() {
    static const DataStore* store = [] {
        std::unique_ptr<DataStore> loaded;
        if (!DataStore::Open(StandardBenchStore().directory(), DataStore::Access::ReadWrite,
                             &loaded)
                 .ok())
            std::abort();
        return loaded.release();
    }();
    return *store;
}

// Investment identifiers spread over the whole store, one per call.
Hid HoldingOfCall(int64_t call) { return Hid{call * 7919 % StandardBenchStore().holdings() + 1}; }

void BM_LoadStore(benchmark::State& state) {
    const std::string& directory = StandardBenchStore().directory();
    for (auto _ : state) {
        std::unique_ptr<DataStore> store;
        if (!DataStore::Open(directory, DataStore::Access::ReadWrite, &store).ok())
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(store);
    }
}
BENCHMARK(BM_LoadStore)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TransactionsOfHolding(benchmark::State& state) {
    const DataStore& store = LoadedStandardStore();
    int64_t call = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.transactions().TransactionsOfHolding(HoldingOfCall(call++)));
    }
}
BENCHMARK(BM_TransactionsOfHolding)->Unit(benchmark::kMicrosecond)->Iterations(kCalls);

void BM_TransactionsOfHoldingByAmount(benchmark::State& state) {
    const DataStore& store = LoadedStandardStore();
    int64_t call = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.transactions().TransactionsOfHolding(
            HoldingOfCall(call++), TransactionOrder::AmountDescending));
    }
}
BENCHMARK(BM_TransactionsOfHoldingByAmount)->Unit(benchmark::kMicrosecond)->Iterations(kCalls);

void BM_ValuesOfHolding(benchmark::State& state) {
    const DataStore& store = LoadedStandardStore();
    int64_t call = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.values().ValuesOfHolding(HoldingOfCall(call++)));
}
BENCHMARK(BM_ValuesOfHolding)->Unit(benchmark::kMicrosecond)->Iterations(kCalls);

void BM_InvestmentValueAt(benchmark::State& state) {
    const DataStore& store = LoadedStandardStore();
    const Date first = StandardBenchStore().inception();
    const int days = StandardBenchStore().shape().last_month_end.DaysSince(first);
    int64_t call = 0;
    for (auto _ : state) {
        const Date date = first.AddDays(static_cast<int>(call * 104729 % days));
        benchmark::DoNotOptimize(store.InvestmentValueAt(HoldingOfCall(call++), date));
    }
}
BENCHMARK(BM_InvestmentValueAt)->Unit(benchmark::kMicrosecond)->Iterations(kCalls);

void BM_PortfolioValueAt(benchmark::State& state) {
    const DataStore& store = LoadedStandardStore();
    int64_t call = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.PortfolioValueAt(
            Pid{call++ % 20 + 1}, StandardBenchStore().shape().last_month_end));
    }
}
BENCHMARK(BM_PortfolioValueAt)->Unit(benchmark::kMicrosecond)->Iterations(1000);

}  // namespace
}  // namespace brevanta::bench
