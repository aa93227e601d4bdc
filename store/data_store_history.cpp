// Transactions, historical values and the totals and market values built on them.
#include <algorithm>
#include <array>
#include <functional>

#include "store/data_store_internals.h"
#include "store/table_rows.h"

namespace brevanta {

namespace {

// Sorts the entries after the opening one by the order's key; ties keep date order.
template <typename Record, typename Key>
void SortAfterOpening(std::vector<Record>& list, Key key, bool descending) {
    if (list.size() < 3) return;
    if (descending) {
        std::stable_sort(list.begin() + 1, list.end(),
                         [&](const Record& a, const Record& b) { return key(b) < key(a); });
    } else {
        std::stable_sort(list.begin() + 1, list.end(),
                         [&](const Record& a, const Record& b) { return key(a) < key(b); });
    }
}

void Sort(std::vector<TransactionRecord>& list, TransactionOrder order) {
    const auto by_date = [](const TransactionRecord& t) { return t.Date; };
    const auto by_amount = [](const TransactionRecord& t) { return t.Amount; };
    const auto by_type = [](const TransactionRecord& t) -> const std::string& { return t.Type; };
    switch (order) {
        case TransactionOrder::Plain:
        case TransactionOrder::DateAscending:
            return;  // the store keeps each investment's entries by date
        case TransactionOrder::DateDescending:
            return SortAfterOpening(list, by_date, true);
        case TransactionOrder::AmountAscending:
            return SortAfterOpening(list, by_amount, false);
        case TransactionOrder::AmountDescending:
            return SortAfterOpening(list, by_amount, true);
        case TransactionOrder::TypeAscending:
            return SortAfterOpening(list, by_type, false);
        case TransactionOrder::TypeDescending:
            return SortAfterOpening(list, by_type, true);
    }
}

void Sort(std::vector<ValueRecord>& list, ValueOrder order) {
    const auto by_date = [](const ValueRecord& v) { return v.Date; };
    const auto by_value = [](const ValueRecord& v) { return v.Value; };
    switch (order) {
        case ValueOrder::Plain:
        case ValueOrder::DateAscending:
            return;
        case ValueOrder::DateDescending:
            return SortAfterOpening(list, by_date, true);
        case ValueOrder::ValueAscending:
            return SortAfterOpening(list, by_value, false);
        case ValueOrder::ValueDescending:
            return SortAfterOpening(list, by_value, true);
    }
}

template <typename Record>
std::vector<Record> LedBy(Record opening, std::span<const Record> rows) {
    std::vector<Record> list;
    list.reserve(rows.size() + 1);
    list.push_back(std::move(opening));
    list.insert(list.end(), rows.begin(), rows.end());
    return list;
}

// The signed effect of a flow on market value: contributions and reinvested dividends add,
// withdrawals subtract, unknown codes count nothing.
double FlowEffect(const std::string& type, double amount) {
    if (type == CashContributionCode || type == DividendReinvestedCode) return amount;
    if (type == WithdrawalCode) return -amount;
    return 0;
}

}  // namespace

// --- One investment's history ---

namespace {

template <typename Record>
struct HistoryTable;
template <>
struct HistoryTable<TransactionRecord> {
    using Rows = TransactionRows;
    static constexpr const char* kIdField = "TID";
    static constexpr const char* kAdding = "adding transactions";
    static constexpr const char* kChanging = "changing a transaction";
    static constexpr const char* kDeleting = "deleting transactions";
    static const TableFile& File(const DataStore::Internals& in) { return in.transaction_table; }
    static const HistoryList<TransactionRecord>& List(const DataStore::Internals& in) {
        return in.transactions;
    }
};
template <>
struct HistoryTable<ValueRecord> {
    using Rows = ValueRows;
    static constexpr const char* kIdField = "VID";
    static constexpr const char* kAdding = "adding historical values";
    static constexpr const char* kChanging = "changing a historical value";
    static constexpr const char* kDeleting = "deleting historical values";
    static const TableFile& File(const DataStore::Internals& in) { return in.value_table; }
    static const HistoryList<ValueRecord>& List(const DataStore::Internals& in) {
        return in.values;
    }
};

Status StorableChanges(const TransactionChanges& changes) {
    return StorableTexts({changes.Type.value_or(""), changes.Description.value_or("")});
}
Status StorableChanges(const ValueChanges&) { return Status::Ok(); }

TransactionRecord OpeningEntry(const HoldingRecord& holding, const TransactionRecord*) {
    return OpeningContribution(holding);
}
ValueRecord OpeningEntry(const HoldingRecord& holding, const ValueRecord*) {
    return OpeningValue(holding);
}

}  // namespace

template <typename Record>
std::vector<Record> DataStore::History<Record>::OfHolding(Hid holding_id, Order order) const {
    const HoldingRecord* holding = internals_.holdings.Find(holding_id);
    if (!holding) return {};
    std::vector<Record> list = LedBy(OpeningEntry(*holding, static_cast<const Record*>(nullptr)),
                                     HistoryTable<Record>::List(internals_).OfHolding(holding_id));
    Sort(list, order);
    return list;
}

template <typename Record>
std::optional<Record> DataStore::History<Record>::Find(Id id) const {
    const Record* found = HistoryTable<Record>::List(internals_).Find(id);
    if (!found) return std::nullopt;
    return *found;
}

template <typename Record>
Status DataStore::History<Record>::Insert(const std::vector<Record>& records,
                                          size_t* refused_index) {
    using Kind = HistoryTable<Record>;
    return internals_.Write(Kind::kAdding, [&]() -> Status {
        const Status status = internals_.AppendRecords<typename Kind::Rows>(Kind::File(internals_),
                                                                            records, refused_index);
        if (status.ok()) {
            for (const Record& record : records) {
                internals_.changes().histories.insert(record.HoldingId);
            }
        }
        return status;
    });
}

template <typename Record>
StoreResult<int> DataStore::History<Record>::Update(Id id, const Changes& changes) {
    using Kind = HistoryTable<Record>;
    return internals_.Write(Kind::kChanging, [&]() -> StoreResult<int> {
        if (Status storable = StorableChanges(changes); !storable.ok()) return storable;
        const StoreResult<int> changed = RewriteById<typename Kind::Rows>(
            Kind::File(internals_), id, [&](const typename Kind::Rows& f, RowWriter& writer) {
                f.WriteChanges(writer, changes);
            });
        const Record* record = Kind::List(internals_).Find(id);
        if (record && changed.ok() && changed.value() > 0)
            internals_.changes().histories.insert(record->HoldingId);
        return changed;
    });
}

template <typename Record>
StoreResult<int> DataStore::History<Record>::Delete(const std::vector<Id>& ids) {
    using Kind = HistoryTable<Record>;
    if (ids.empty()) return 0;
    return internals_.Write(Kind::kDeleting, [&]() -> StoreResult<int> {
        std::vector<IdNumber> listed;
        for (const Id id : ids) {
            listed.push_back(Number(id));
            if (const Record* record = Kind::List(internals_).Find(id))
                internals_.changes().histories.insert(record->HoldingId);
        }
        std::sort(listed.begin(), listed.end());
        IdentifierField field{Kind::kIdField, {}};
        return DeleteMatchingRows(Kind::File(internals_), field,
                                  [&](IdentifierField& f, RowReader& reader) {
                                      return std::binary_search(listed.begin(), listed.end(),
                                                                reader.IdentifierNumber(f.id));
                                  });
    });
}

template class DataStore::History<TransactionRecord>;
template class DataStore::History<ValueRecord>;

std::vector<TransactionRecord> DataStore::Transactions::TransactionsOfPortfolio(
    Pid portfolio_id) const {
    const std::span<const HoldingRecord> holdings = internals_.holdings.OfPortfolio(portfolio_id);
    const HistoryList<TransactionRecord>& transactions = internals_.transactions;
    const std::span<const uint32_t> rows = transactions.OfPortfolio(portfolio_id);
    // The openings, then the rows, stably sorted by date: sorted as keys, so that each record
    // is copied once.
    struct Entry {
        Date date;
        uint32_t index;  // below holdings.size(): an opening; else a row of `rows`
    };
    std::vector<Entry> order;
    order.reserve(holdings.size() + rows.size());
    for (uint32_t i = 0; i < holdings.size(); ++i) order.push_back({holdings[i].InceptionDate, i});
    for (uint32_t i = 0; i < rows.size(); ++i) {
        order.push_back(
            {transactions.at(rows[i]).Date, static_cast<uint32_t>(holdings.size()) + i});
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Entry& a, const Entry& b) { return a.date < b.date; });
    std::vector<TransactionRecord> list;
    list.reserve(order.size());
    for (const Entry& entry : order) {
        if (entry.index < holdings.size()) {
            list.push_back(OpeningContribution(holdings[entry.index]));
            list.back().PortfolioId = portfolio_id;
        } else {
            list.push_back(transactions.at(rows[entry.index - holdings.size()]));
        }
    }
    return list;
}

// --- Totals and market values ---

double DataStore::Transactions::TypeTotal(Hid holding_id, const std::string& code) const {
    double total = 0;
    for (const TransactionRecord& transaction : TransactionsOfHolding(holding_id)) {
        if (transaction.Type == code) total += transaction.Amount;
    }
    return total;
}

double DataStore::Transactions::PortfolioTypeTotal(Pid portfolio_id, Date from, Date to,
                                                   const std::string& code) const {
    double total = 0;
    for (const TransactionRecord& transaction : TransactionsOfPortfolio(portfolio_id)) {
        if (transaction.Type == code && transaction.Date > from && transaction.Date <= to) {
            total += transaction.Amount;
        }
    }
    return total;
}

namespace {

// V + Flows of the market value rule: the latest value on or before the date (the opening value
// counts), plus the later flows only when that value is above 0.
double UnclippedValueAt(const DataStore::Internals& in, const HoldingRecord& holding, Date date) {
    // The latest entry on or before the date wins; the opening value leads the list, so it
    // counts only when no stored value is dated on or before the date.
    const std::span<const ValueRecord> values = in.values.OfHolding(holding.Id);
    const auto after_date = std::partition_point(
        values.begin(), values.end(), [&](const ValueRecord& v) { return v.Date <= date; });
    double value = 0;
    Date value_date;
    if (after_date != values.begin()) {
        value = std::prev(after_date)->Value;
        value_date = std::prev(after_date)->Date;
    } else if (holding.InceptionDate <= date) {
        value = holding.InitialAmount;
        value_date = holding.InceptionDate;
    }
    if (!(value > 0)) return value;

    // Flows dated after that value and on or before the date, in list order.
    double flows = 0;
    if (holding.InceptionDate > value_date && holding.InceptionDate <= date) {
        flows += holding.InitialAmount;
    }
    const std::span<const TransactionRecord> transactions = in.transactions.OfHolding(holding.Id);
    const auto first =
        std::partition_point(transactions.begin(), transactions.end(),
                             [&](const TransactionRecord& t) { return t.Date <= value_date; });
    for (auto t = first; t != transactions.end() && t->Date <= date; ++t) {
        flows += FlowEffect(t->Type, t->Amount);
    }
    return value + flows;
}

}  // namespace

double DataStore::InvestmentValueAt(Hid holding_id, Date date) const {
    const HoldingRecord* holding = internals_->holdings.Find(holding_id);
    if (!holding) return 0;
    return std::max(0.0, UnclippedValueAt(*internals_, *holding, date));
}

double DataStore::PortfolioValueAt(Pid portfolio_id, Date date) const {
    double total = 0;
    for (const HoldingRecord& holding : internals_->holdings.OfPortfolio(portfolio_id)) {
        total += UnclippedValueAt(*internals_, holding, date);
    }
    return std::max(0.0, total);
}

}  // namespace brevanta
