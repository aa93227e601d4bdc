#include "store/benchmark_choice.h"

#include <charconv>

#include "store/data_store.h"

namespace brevanta {

std::string BenchmarkKey(Pid portfolio_id) { return BenchmarkKeyPrefix + IdText(portfolio_id); }

std::optional<Hid> ChosenBenchmark(const std::string& value) {
    IdNumber number = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, number);
    if (value.empty() || error != std::errc() || stop != end) return std::nullopt;
    return static_cast<Hid>(number);
}

std::optional<Hid> BenchmarkOf(const DataStore& store, Pid portfolio_id) {
    const std::optional<SettingRecord> row =
        store.settings().FindSetting(BenchmarkKey(portfolio_id));
    if (!row) return std::nullopt;
    const std::optional<Hid> chosen = ChosenBenchmark(row->Val1);
    if (!chosen || !store.holdings().FindHolding(*chosen)) return std::nullopt;
    return chosen;
}

Status ChooseBenchmark(DataStore& store, Pid portfolio_id, std::optional<Hid> benchmark) {
    DataStore::Change change(store, "choosing a benchmark");
    if (!change.status().ok()) return change.status();
    // Checked within the change, against the lists as the tables now hold them.
    if (!store.portfolios().FindPortfolio(portfolio_id)) {
        return Status::NotFound(
            Message(BREVANTA_TEXT("Store", "There is no portfolio %1."), {IdText(portfolio_id)}));
    }
    if (benchmark && !store.holdings().FindHolding(*benchmark)) {
        return Status::NotFound(
            Message(BREVANTA_TEXT("Store", "There is no investment %1."), {IdText(*benchmark)}));
    }
    if (Status stored = StoreBenchmarkRow(store, portfolio_id, benchmark); !stored.ok()) {
        return stored;
    }
    return change.Commit();
}

Status StoreBenchmarkRow(DataStore& store, Pid portfolio_id, std::optional<Hid> benchmark) {
    const std::string key = BenchmarkKey(portfolio_id);
    const std::string value = benchmark ? IdText(*benchmark) : "";
    const std::optional<SettingRecord> row = store.settings().FindSetting(key);
    // None chosen needs no row; a row that already says so is left alone.
    if (row ? row->Val1 == value : !benchmark.has_value()) return Status::Ok();
    return store.settings().StoreSetting(key, {.Val1 = value});
}

}  // namespace brevanta
