#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/locale.h"
#include "store/data_store.h"
#include "store/records.h"

namespace brevanta {

// One row of the detail window's transaction or value list.
struct RecordRow {
    int32_t id = 0;  // TID or VID
    std::vector<std::string> cells;
};

// An amount as the lists show it, "$###,##0.00"; "ERROR!" when it is not a number.
std::string MoneyText(double amount, const Locale& locale);

// The investment's transactions in the order asked, without its opening contribution:
// date (short format), type text (empty for an unknown code), amount, description.
std::vector<RecordRow> BuildTransactionRows(const DataStore& store, float holding_id,
                                            TransactionOrder order, const Locale& locale);

// Its historical values likewise, without the opening value: date, value.
std::vector<RecordRow> BuildValueRows(const DataStore& store, float holding_id, ValueOrder order,
                                      const Locale& locale);

}  // namespace brevanta
