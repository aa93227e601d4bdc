#pragma once

#include <optional>
#include <string>

#include "core/status.h"
#include "store/identifiers.h"

namespace brevanta {

class DataStore;

// A portfolio's benchmark: the investment, in any portfolio, whose time-weighted returns the
// portfolio's and its investments' are compared with. Each choice is a sys.dbf settings row,
// its Key the prefix and the PID ("BENCH_7"), its Val1 the HID, empty for none (see
// doc/table_format.md). The store keeps the rows current as part of its own writes: a moved
// benchmark is followed to its new identifier; deleting it, or the portfolio, clears the choice.
inline constexpr const char* BenchmarkKeyPrefix = "BENCH_";

// The settings key of the portfolio's choice.
std::string BenchmarkKey(Pid portfolio_id);

// The investment a choice's Val1 names: a plain decimal whole number, or nullopt.
std::optional<Hid> ChosenBenchmark(const std::string& value);

// The portfolio's benchmark; nullopt when none is chosen or its row names no stored investment.
std::optional<Hid> BenchmarkOf(const DataStore& store, Pid portfolio_id);

// Stores the portfolio's choice, nullopt clearing it, as one change. NotFound "There is no
// portfolio 7." or "There is no investment 42." when one is missing; then nothing is written.
Status ChooseBenchmark(DataStore& store, Pid portfolio_id, std::optional<Hid> benchmark);

}  // namespace brevanta
