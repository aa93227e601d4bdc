#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/status.h"
#include "store/column_choice.h"
#include "store/records.h"
#include "store/store_result.h"

namespace brevanta {
class DataStore;
}  // namespace brevanta

namespace brevanta::cli {

// The commands' every call on the store, one small function each, so that a change of the
// store's interface is met here alone. Writes leave the store's lists current.

// --- Lookups: the record, or nullopt after saying on stderr that there is none, by number.
std::optional<PortfolioRecord> NamedPortfolio(const DataStore& store, Pid id);
std::optional<HoldingRecord> NamedInvestment(const DataStore& store, Hid id);
std::optional<TransactionRecord> NamedTransaction(const DataStore& store, Tid id);
std::optional<ValueRecord> NamedValue(const DataStore& store, Vid id);

// What a reading or importing command is about: a portfolio, or one of its investments.
struct Subject {
    Pid portfolio_id{};
    std::optional<Hid> holding_id;
};
// The investment's portfolio when only the investment is named. nullopt (having said why)
// when a named record does not exist, or the investment is not in the portfolio named too.
// REQUIRES: at least one is named.
std::optional<Subject> NamedSubject(const DataStore& store, std::optional<Pid> portfolio_id,
                                    std::optional<Hid> holding_id);

// --- Portfolios and investments.
StoreResult<Pid> AddPortfolio(DataStore& store, const std::string& name,
                              const std::string& description);
Status RenamePortfolio(DataStore& store, Pid id, const std::string& name,
                       const std::string& description);
// With its investments and their history.
Status RemovePortfolio(DataStore& store, Pid id);
StoreResult<Hid> AddInvestment(DataStore& store, const HoldingRecord& holding);
// Writes every own field of the record (name, description, inception date, initial amount).
Status ChangeInvestment(DataStore& store, const HoldingRecord& holding);
Status RemoveInvestment(DataStore& store, Hid id);
// Moves or copies the investment with its figures and history into the portfolio; returns
// the identifier it has there.
enum class Transfer { Move, Copy };
StoreResult<Hid> TransferInvestment(DataStore& store, Hid id, Pid portfolio_id, Transfer transfer);

// --- Transactions and historical values. Adds return the new rows' identifiers.
// All or none.
StoreResult<std::vector<Tid>> AddTransactions(DataStore& store,
                                              const std::vector<TransactionRecord>& series);
Status ChangeTransaction(DataStore& store, const TransactionRecord& transaction);
Status RemoveTransactions(DataStore& store, const std::vector<Tid>& ids);
StoreResult<Vid> AddValue(DataStore& store, const ValueRecord& value);
Status ChangeValue(DataStore& store, const ValueRecord& value);
Status RemoveValues(DataStore& store, const std::vector<Vid>& ids);

// --- Options.
ColumnChoice StoredColumnChoice(const DataStore& store);
Status StoreSetting(DataStore& store, const char* key, const std::string& value);

}  // namespace brevanta::cli
