#pragma once

#include <string>
#include <vector>

#include "core/status.h"
#include "store/records.h"

namespace brevanta {

class DataStore;

// The list columns as the user left them: the hidden names, and the shown names in display
// order.
struct ColumnChoice {
    std::vector<std::string> hidden;
    std::vector<std::string> shown;
};

// Whether `shown` differs, in count or in any name at its place, from the stored visible
// columns (in position order).
bool ColumnChoiceChanged(const std::vector<ColumnRecord>& visible,
                         const std::vector<std::string>& shown);

// Writes every hidden name back with Visible 0 and every shown name with Visible 1 and its
// index as Position, as one change. A name without a column row is skipped.
Status StoreColumnChoice(DataStore& store, const ColumnChoice& choice);

}  // namespace brevanta
