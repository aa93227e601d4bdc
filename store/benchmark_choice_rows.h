#pragma once

#include <optional>

#include "core/status.h"
#include "store/data_store.h"

namespace brevanta {

// For the store's own writes, which keep the portfolios' benchmark choices
// (store/benchmark_choice.h) current as part of the same change. Private to the files that
// implement DataStore. REQUIRES: a write under way.

// Every choice naming `from` names `to` instead; nullopt clears it.
Status RetargetBenchmarkChoices(DataStore::Internals& internals, Hid from, std::optional<Hid> to);

// Clears the portfolio's own choice and every choice naming one of its investments.
Status ClearBenchmarkChoicesOf(DataStore::Internals& internals, Pid portfolio_id);

}  // namespace brevanta
