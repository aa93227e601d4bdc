// Reading every field of every row of a 1,000,000-row table in the Trans.dbf layout.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "store/table_engine.h"
#include "store/table_layouts.h"

namespace brevanta {
namespace {

constexpr int kRows = 1000000;

// A table file removed when the benchmark ends.
struct TempTable {
    std::string path;
    ~TempTable() { std::remove(path.c_str()); }
};

std::string BuildLargeTransactionTable() {
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("brevanta-bench-" + std::to_string(getpid()) + "-Trans.dbf"))
                                 .string();
    if (!Table::Create(file, TransactionTableLayout()).ok()) std::abort();
    Table table;
    if (!table.Open(file).ok()) std::abort();
    const FieldHandle tid = table.Field("TID"), hid = table.Field("HID"), pid = table.Field("PID"),
                      date = table.Field("TRANSDATE"), type = table.Field("TRANSTYPE"),
                      amount = table.Field("AMT"), description = table.Field("TDESC");
    for (int row = 1; row <= kRows; ++row) {
        table.AppendStart();
        table.AssignNumber(tid, row);
        table.AssignNumber(hid, row % 500 + 1);
        table.AssignNumber(pid, row % 20 + 1);
        table.AssignText(date, "20240131");
        table.AssignText(type, row % 3 == 0 ? "WI" : "CC");
        table.AssignNumber(amount, row * 1.25);
        table.AssignText(description, "Monthly contribution");
        if (!table.Append().ok()) std::abort();
    }
    table.Close();
    return file;
}

void BM_ReadEveryFieldOfEveryRow(benchmark::State& state) {
    static const TempTable large_table{BuildLargeTransactionTable()};
    const std::string& path = large_table.path;
    for (auto _ : state) {
        Table table;
        if (!table.Open(path).ok()) state.SkipWithError("cannot open");
        std::vector<FieldHandle> fields;
        for (const FieldSpec& field : table.fields()) fields.push_back(table.Field(field.name));
        size_t bytes = 0;
        int64_t rows = 0;
        for (table.Top(); !table.Eof(); table.Skip(), ++rows) {
            for (FieldHandle field : fields) bytes += table.FieldText(field).size();
        }
        benchmark::DoNotOptimize(bytes);
        if (rows != kRows) state.SkipWithError("wrong row count");
        table.Close();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ReadEveryFieldOfEveryRow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace brevanta
