// Importing comma-separated transactions and historical values into one investment: 10,000
// and 100,000 lines into an investment with a year of history, to show that the time grows
// linearly, and 100,000 lines into an investment of the large workload, whose tables are
// read again after the import.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench/bench_store_data.h"
#include "exchange/import_export_engine.h"
#include "store/data_store.h"

namespace brevanta::bench {
namespace {

enum class Kind { Transactions, Values };

// Line i is dated i days after 1 January 1800, so that no two lines share a date.
std::string ImportFile(Kind kind, int lines) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("brevanta-bench-import-" + std::to_string(lines) + ".csv"))
                                 .string();
    std::ofstream out(path, std::ios::binary);
    const Date first = Date::Ymd(1800, 1, 1);
    static const char* const kTypes[] = {"CC", "DI", "WI"};
    for (int i = 0; i < lines; ++i) {
        const Date date = first.AddDays(i);
        out << date.month() << '/' << date.day() << '/' << date.year() << ", ";
        if (kind == Kind::Transactions) out << kTypes[i % 3] << ", ";
        out << 100 + i % 997 << "." << i % 100 << "\r\n";
    }
    return path;
}

// Each iteration imports into a freshly generated directory; only the import is timed.
void RunImport(benchmark::State& state, Kind kind, BenchStoreShape shape) {
    const int lines = static_cast<int>(state.range(0));
    const std::string file = ImportFile(kind, lines);
    for (auto _ : state) {
        state.PauseTiming();
        auto data = std::make_unique<BenchStore>(shape);
        std::unique_ptr<DataStore> store;
        if (!DataStore::Open(data->directory(), DataStore::Access::ReadWrite, &store).ok()) {
            state.SkipWithError("load failed");
            break;
        }
        ImportExportEngine engine(*store);
        state.ResumeTiming();
        const Status status = kind == Kind::Transactions
                                  ? engine.ImportTransactions(Pid{1}, Hid{1}, file)
                                  : engine.ImportHistoricalValues(Pid{1}, Hid{1}, file);
        if (!status.ok() || engine.Count() != lines) state.SkipWithError(status.message().c_str());
        state.PauseTiming();
        data.reset();
        state.ResumeTiming();
    }
    std::remove(file.c_str());
    state.SetItemsProcessed(state.iterations() * lines);
}

const BenchStoreShape kOneInvestment{1, 1, 12};

void BM_ImportValues(benchmark::State& state) { RunImport(state, Kind::Values, kOneInvestment); }
BENCHMARK(BM_ImportValues)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportTransactions(benchmark::State& state) {
    RunImport(state, Kind::Transactions, kOneInvestment);
}
BENCHMARK(BM_ImportTransactions)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ImportValuesIntoLargeWorkload(benchmark::State& state) {
    RunImport(state, Kind::Values, BenchStoreShape{});
}
BENCHMARK(BM_ImportValuesIntoLargeWorkload)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

void BM_ImportTransactionsIntoLargeWorkload(benchmark::State& state) {
    RunImport(state, Kind::Transactions, BenchStoreShape{});
}
BENCHMARK(BM_ImportTransactionsIntoLargeWorkload)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
}  // namespace brevanta::bench
