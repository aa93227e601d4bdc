#include "app/cli/store_calls.h"

#include <algorithm>
#include <iostream>

#include "app/cli/commands.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

template <typename Record>
std::optional<Record> Said(std::optional<Record> record, const char* kind, IdNumber id) {
    if (!record) std::cerr << "There is no " << kind << " " << id << ".\n";
    return record;
}

// Rows changed, or NotFound when the record was gone.
Status Changed(const StoreResult<int>& changed, const char* kind, IdNumber id) {
    if (!changed.ok()) return changed.status();
    if (changed.value() == 0) {
        return Status::NotFound("There is no " + std::string(kind) + " " + std::to_string(id) +
                                ".");
    }
    return Status::Ok();
}

template <Identifier Id>
std::vector<std::string> IdTexts(const std::vector<Id>& ids) {
    std::vector<std::string> texts;
    for (Id id : ids) texts.push_back(IdText(id));
    return texts;
}

// The identifiers of the records in `after` but not in `before`, ascending.
template <typename Record>
auto AddedIds(const std::vector<Record>& before, const std::vector<Record>& after) {
    std::vector<decltype(Record::Id)> added;
    for (const Record& record : after) {
        const bool old = std::any_of(before.begin(), before.end(),
                                     [&](const Record& known) { return known.Id == record.Id; });
        if (!old) added.push_back(record.Id);
    }
    std::sort(added.begin(), added.end());
    return added;
}

std::vector<std::string> Names(const std::vector<ColumnRecord>& columns) {
    std::vector<std::string> names;
    for (const ColumnRecord& column : columns) names.push_back(column.Name);
    return names;
}

}  // namespace

std::optional<PortfolioRecord> NamedPortfolio(const DataStore& store, Pid id) {
    return Said(store.portfolios().FindPortfolio(id), "portfolio", Number(id));
}

std::optional<HoldingRecord> NamedInvestment(const DataStore& store, Hid id) {
    return Said(store.holdings().FindHolding(id), "investment", Number(id));
}

std::optional<TransactionRecord> NamedTransaction(const DataStore& store, Tid id) {
    return Said(store.transactions().FindTransaction(id), "transaction", Number(id));
}

std::optional<ValueRecord> NamedValue(const DataStore& store, Vid id) {
    return Said(store.values().FindValue(id), "historical value", Number(id));
}

std::optional<Subject> NamedSubject(const DataStore& store, std::optional<Pid> portfolio_id,
                                    std::optional<Hid> holding_id) {
    if (!holding_id) {
        if (!NamedPortfolio(store, *portfolio_id)) return std::nullopt;
        return Subject{*portfolio_id, std::nullopt};
    }
    const std::optional<HoldingRecord> holding = NamedInvestment(store, *holding_id);
    if (!holding) return std::nullopt;
    if (portfolio_id && *portfolio_id != holding->PortfolioId) {
        Refuse("Investment " + IdText(holding->Id) + " is not in portfolio " +
               IdText(*portfolio_id) + ".");
        return std::nullopt;
    }
    return Subject{holding->PortfolioId, holding->Id};
}

StoreResult<Pid> AddPortfolio(DataStore& store, const std::string& name,
                              const std::string& description) {
    return store.portfolios().InsertPortfolio(name, description);
}

Status RenamePortfolio(DataStore& store, Pid id, const std::string& name,
                       const std::string& description) {
    return Changed(store.portfolios().RenamePortfolio(id, name, description), "portfolio",
                   Number(id));
}

Status RemovePortfolio(DataStore& store, Pid id) { return store.portfolios().DeletePortfolio(id); }

StoreResult<Hid> AddInvestment(DataStore& store, const HoldingRecord& holding) {
    return store.holdings().InsertHolding(holding);
}

Status ChangeInvestment(DataStore& store, const HoldingRecord& holding) {
    const HoldingChanges changes{holding.Name, holding.Description, holding.InceptionDate,
                                 holding.InitialAmount};
    return Changed(store.holdings().UpdateHolding(holding.Id, changes), "investment",
                   Number(holding.Id));
}

Status RemoveInvestment(DataStore& store, Hid id) { return store.holdings().DeleteHolding(id); }

StoreResult<Hid> TransferInvestment(DataStore& store, Hid id, Pid portfolio_id, Transfer transfer) {
    const StoreResult<HoldingRecord> moved = transfer == Transfer::Move
                                                 ? store.holdings().MoveHolding(id, portfolio_id)
                                                 : store.holdings().CopyHolding(id, portfolio_id);
    if (!moved.ok()) return moved.status();
    return moved.value().Id;
}

StoreResult<std::vector<Tid>> AddTransactions(DataStore& store,
                                              const std::vector<TransactionRecord>& series) {
    const Hid holding_id = series.front().HoldingId;
    const std::vector<TransactionRecord> before =
        store.transactions().TransactionsOfHolding(holding_id);
    const Status status = store.transactions().InsertTransactions(series);
    if (!status.ok()) return status;
    return AddedIds(before, store.transactions().TransactionsOfHolding(holding_id));
}

Status ChangeTransaction(DataStore& store, const TransactionRecord& transaction) {
    const TransactionChanges changes{transaction.Date, transaction.Type, transaction.Amount,
                                     transaction.Description};
    return Changed(store.transactions().UpdateTransaction(transaction.Id, changes), "transaction",
                   Number(transaction.Id));
}

Status RemoveTransactions(DataStore& store, const std::vector<Tid>& ids) {
    return store.transactions().DeleteTransactions(ids).status();
}

StoreResult<Vid> AddValue(DataStore& store, const ValueRecord& value) {
    const std::vector<ValueRecord> before = store.values().ValuesOfHolding(value.HoldingId);
    const Status status = store.values().InsertValue(value);
    if (!status.ok()) return status;
    const std::vector<Vid> added =
        AddedIds(before, store.values().ValuesOfHolding(value.HoldingId));
    if (added.empty()) return Status::NotFound(std::string("The historical value was not stored."));
    return added.front();
}

Status ChangeValue(DataStore& store, const ValueRecord& value) {
    return Changed(store.values().UpdateHistoricalValue(value.Id, {value.Date, value.Value}),
                   "historical value", Number(value.Id));
}

Status RemoveValues(DataStore& store, const std::vector<Vid>& ids) {
    return store.values().DeleteHistoricalValues(ids).status();
}

ColumnChoice StoredColumnChoice(const DataStore& store) {
    return {Names(store.settings().HiddenColumns()), Names(store.settings().VisibleColumns())};
}

Status StoreSetting(DataStore& store, const char* key, const std::string& value) {
    return store.settings().StoreSetting(key, {.Val1 = value});
}

}  // namespace brevanta::cli
