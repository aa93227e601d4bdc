#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/date_format.h"
#include "core/number_format.h"
#include "store/data_store.h"

namespace brevanta::testing {

// A file of tests/data/imports, shaped like a bank's or broker's export.
inline std::string ImportFixture(std::string_view name) {
    return std::string(BREVANTA_TEST_DATA_DIR) + "/imports/" + std::string(name);
}

// The mapping of each fixture, as a user would write it.
inline constexpr const char* kSparkontoMapping = R"({
  "delimiter": ";", "skip": 1, "date": {"column": 1}, "decimal": ",", "grouping": ".",
  "amount": {"column": 4}, "description": {"column": 2},
  "type": {"column": 3, "map": {"Einzahlung": "CC", "Dividende": "DI", "Auszahlung": "WI"}}
})";
inline constexpr const char* kBrokerMapping = R"({
  "skip": 1, "date": {"column": 1}, "grouping": ",", "debit": {"column": 3},
  "credit": {"column": 4}, "type_from_sign": true, "description": {"column": 2}
})";
inline constexpr const char* kDepotMapping = R"({
  "delimiter": ";", "skip": 1, "date": {"column": 1}, "decimal": ",", "amount": {"column": 3},
  "type_from_sign": true, "description": {"column": 2}
})";
inline constexpr const char* kUmsaetzeMapping = R"({
  "delimiter": "\t", "skip": 1, "date": {"column": 1}, "amount": {"column": 2},
  "type_from_sign": true, "description": {"column": 3}
})";
inline constexpr const char* kKurseMapping =
    R"({"skip": 1, "date": {"column": 1}, "amount": {"column": 2}})";
inline constexpr const char* kAmbiguousMapping =
    R"({"skip": 1, "date": {"column": 1}, "amount": {"column": 2}, "type_from_sign": true})";

// The investment's transactions after its opening one: "date, type, amount, description".
inline std::vector<std::string> ImportedTransactions(const DataStore& store, Hid holding) {
    std::vector<std::string> rows;
    for (const TransactionRecord& t : store.transactions().TransactionsOfHolding(holding)) {
        rows.push_back(FormatDate(t.Date, "yyyy-mm-dd") + ", " + t.Type + ", " +
                       FormatNumber(t.Amount, "0.00") + ", " + t.Description);
    }
    rows.erase(rows.begin());
    return rows;
}

}  // namespace brevanta::testing
