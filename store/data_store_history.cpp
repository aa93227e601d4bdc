// Transactions, historical values and the totals and market values built on them.
#include <algorithm>
#include <array>
#include <functional>
#include <unordered_set>

#include "core/blanks.h"
#include "core/file_system.h"
#include "core/parallel_for.h"
#include "store/data_store.h"
#include "store/data_store_lists.h"
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

// --- Loading ---

namespace {

template <typename Rows, typename Record>
HistoryTableRead<Record> ReadHistoryTable(const TableFile& file) {
    HistoryTableRead<Record> read;
    std::vector<Record> rows;
    read.status = ReadEveryRecord<Rows>(file, rows, &read.saw_deleted);
    for (const Record& row : rows) read.largest_id = std::max(read.largest_id, Number(row.Id));
    if (read.status.ok()) read.list.Assign(std::move(rows));
    return read;
}

}  // namespace

Status DataStore::LoadTransactions() {
    const DirectoryLock::Hold hold(lock_, LoadKind());
    if (!hold.status().ok()) return Loaded(hold.status());
    return KeepTransactions(
        ReadHistoryTable<TransactionRows, TransactionRecord>(transaction_table_));
}

Status DataStore::LoadValues() {
    const DirectoryLock::Hold hold(lock_, LoadKind());
    if (!hold.status().ok()) return Loaded(hold.status());
    return KeepValues(ReadHistoryTable<ValueRows, ValueRecord>(value_table_));
}

// The two tables hold nearly all the rows; reading touches nothing of the store, so they are
// read side by side.
Status DataStore::LoadHistories() {
    const DirectoryLock::Hold hold(lock_, LoadKind());
    if (!hold.status().ok()) return Loaded(hold.status());
    HistoryTableRead<TransactionRecord> transactions;
    HistoryTableRead<ValueRecord> values;
    ParallelFor(2, [&](size_t table) {
        if (table == 0) {
            transactions = ReadHistoryTable<TransactionRows, TransactionRecord>(transaction_table_);
        } else {
            values = ReadHistoryTable<ValueRows, ValueRecord>(value_table_);
        }
    });
    const Status status = KeepTransactions(std::move(transactions));
    return status.ok() ? KeepValues(std::move(values)) : status;
}

template <class Record>
Status DataStore::KeepHistory(HistoryTableRead<Record>&& read, const TableFile& file,
                              KnownLargestId& known, HistoryList<Record>& list) {
    Status status = std::move(read.status);
    if (status.ok()) status = PackAfterReading(file, read.saw_deleted);
    NoteLargestId(file, read.largest_id, known);
    list = status.ok() ? std::move(read.list) : HistoryList<Record>();
    return Loaded(std::move(status));
}

Status DataStore::KeepTransactions(HistoryTableRead<TransactionRecord>&& read) {
    return KeepHistory(std::move(read), transaction_table_, transaction_ids_, lists_->transactions);
}

Status DataStore::KeepValues(HistoryTableRead<ValueRecord>&& read) {
    return KeepHistory(std::move(read), value_table_, value_ids_, lists_->values);
}

// --- Lists and lookups ---

std::vector<TransactionRecord> DataStore::TransactionsOfHolding(Hid holding_id,
                                                                TransactionOrder order) const {
    const HoldingRecord* holding = lists_->holdings.Find(holding_id);
    if (!holding) return {};
    std::vector<TransactionRecord> list =
        LedBy(OpeningContribution(*holding), lists_->transactions.OfHolding(holding_id));
    Sort(list, order);
    return list;
}

std::vector<ValueRecord> DataStore::ValuesOfHolding(Hid holding_id, ValueOrder order) const {
    const HoldingRecord* holding = lists_->holdings.Find(holding_id);
    if (!holding) return {};
    std::vector<ValueRecord> list =
        LedBy(OpeningValue(*holding), lists_->values.OfHolding(holding_id));
    Sort(list, order);
    return list;
}

std::vector<TransactionRecord> DataStore::TransactionsOfPortfolio(Pid portfolio_id) const {
    const std::span<const HoldingRecord> holdings = lists_->holdings.OfPortfolio(portfolio_id);
    const std::span<const uint32_t> rows = lists_->transactions.OfPortfolio(portfolio_id);
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
            {lists_->transactions.at(rows[i]).Date, static_cast<uint32_t>(holdings.size()) + i});
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
            list.push_back(lists_->transactions.at(rows[entry.index - holdings.size()]));
        }
    }
    return list;
}

std::optional<TransactionRecord> DataStore::FindTransaction(Tid id) const {
    const TransactionRecord* found = lists_->transactions.Find(id);
    if (!found) return std::nullopt;
    return *found;
}

std::optional<ValueRecord> DataStore::FindValue(Vid id) const {
    const ValueRecord* found = lists_->values.Find(id);
    if (!found) return std::nullopt;
    return *found;
}

// --- Changes ---

Status DataStore::InsertTransaction(const TransactionRecord& record) {
    return InsertTransactions({record});
}

Status DataStore::InsertTransactions(const std::vector<TransactionRecord>& records,
                                     size_t* refused_index) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    const StoreResult<Tid> first_id = NextTransactionId();
    if (!first_id.ok()) return first_id.status();
    const Status status = AppendAll<TransactionRows>(transaction_table_, AppendStart::Here,
                                                     first_id.value(), records, refused_index);
    // The last identifier given, so no identifier past the largest is ever computed.
    if (status.ok()) {
        NoteLargestId(transaction_table_,
                      Number(first_id.value()) - 1 + static_cast<IdNumber>(records.size()),
                      transaction_ids_);
    }
    return status;
}

namespace {

std::array<int64_t, 4> StampOf(const std::string& path) {
    FileInfo file;
    if (!FileSystem::Default().Info(path, &file).ok()) return {};
    return {static_cast<int64_t>(file.device), static_cast<int64_t>(file.inode),
            static_cast<int64_t>(file.size), file.change_time_ns};
}

}  // namespace

StoreResult<IdNumber> DataStore::LargestId(const TableFile& file, const char* field,
                                           KnownLargestId& known) {
    if (StampOf(file.path) != known.stamp) {
        // Another process, or another operation of this one, wrote the table meanwhile.
        const StoreResult<IdNumber> largest = LargestIdentifier(file, field);
        if (!largest.ok()) return largest.status();
        NoteLargestId(file, largest.value(), known);
    }
    return known.largest;
}

void DataStore::NoteLargestId(const TableFile& file, IdNumber largest, KnownLargestId& known) {
    known.largest = largest;
    known.stamp = StampOf(file.path);
}

StoreResult<Tid> DataStore::NextTransactionId() {
    const StoreResult<IdNumber> largest = LargestId(transaction_table_, "TID", transaction_ids_);
    if (!largest.ok()) return largest.status();
    return NewIdentifier(transaction_table_, static_cast<Tid>(largest.value()));
}

StoreResult<int> DataStore::UpdateTransaction(Tid id, const TransactionRecord& record) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    if (Status storable = StorableTexts({record.Type, record.Description}); !storable.ok())
        return storable;
    return RewriteById<TransactionRows>(
        transaction_table_, Locking::AllRows, id,
        [&](const TransactionRows& f, RowWriter& writer) { f.WriteChanges(writer, record); });
}

StoreResult<int> DataStore::DeleteTransactions(const std::vector<std::string>& ids) {
    return DeleteListed(transaction_table_, "TID", ids);
}

StoreResult<Vid> DataStore::NextValueId() {
    const StoreResult<IdNumber> largest = LargestId(value_table_, "VID", value_ids_);
    if (!largest.ok()) return largest.status();
    return NewIdentifier(value_table_, static_cast<Vid>(largest.value()));
}

Status DataStore::InsertValue(const ValueRecord& record) { return InsertValues({record}); }

Status DataStore::InsertValues(const std::vector<ValueRecord>& records, size_t* refused_index) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    const StoreResult<Vid> first_id = NextValueId();
    if (!first_id.ok()) return first_id.status();
    const Status status = AppendAll<ValueRows>(value_table_, AppendStart::Here, first_id.value(),
                                               records, refused_index);
    if (status.ok()) {
        NoteLargestId(value_table_,
                      Number(first_id.value()) - 1 + static_cast<IdNumber>(records.size()),
                      value_ids_);
    }
    return status;
}

StoreResult<int> DataStore::UpdateHistoricalValue(Vid id, const ValueRecord& record) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    return ReloadedIfChanged(RewriteById<ValueRows>(value_table_, Locking::None, id,
                                                    [&](const ValueRows& f, RowWriter& writer) {
                                                        f.WriteChanges(writer, record);
                                                    }),
                             &DataStore::LoadValues);
}

StoreResult<int> DataStore::DeleteHistoricalValues(const std::vector<std::string>& ids) {
    return DeleteListed(value_table_, "VID", ids);
}

StoreResult<int> DataStore::DeleteListed(const TableFile& file, const char* id_field,
                                         const std::vector<std::string>& ids) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    if (ids.empty()) return 0;
    const std::unordered_set<std::string_view> listed(ids.begin(), ids.end());
    IdentifierField field{id_field, {}};
    return DeleteMatchingRows(file, Packing::None, field,
                              [&](IdentifierField& f, RowReader& reader) {
                                  return listed.contains(TrimBlanks(reader.Text(f.id)));
                              });
}

// --- Totals and market values ---

double DataStore::TypeTotal(Hid holding_id, const std::string& code) const {
    double total = 0;
    for (const TransactionRecord& transaction : TransactionsOfHolding(holding_id)) {
        if (transaction.Type == code) total += transaction.Amount;
    }
    return total;
}

double DataStore::PortfolioTypeTotal(Pid portfolio_id, Date from, Date to,
                                     const std::string& code) const {
    double total = 0;
    for (const TransactionRecord& transaction : TransactionsOfPortfolio(portfolio_id)) {
        if (transaction.Type == code && transaction.Date > from && transaction.Date <= to) {
            total += transaction.Amount;
        }
    }
    return total;
}

double DataStore::UnclippedValueAt(const HoldingRecord& holding, Date date) const {
    // The latest entry on or before the date wins; the opening value leads the list, so it
    // counts only when no stored value is dated on or before the date.
    const std::span<const ValueRecord> values = lists_->values.OfHolding(holding.Id);
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
    const std::span<const TransactionRecord> transactions =
        lists_->transactions.OfHolding(holding.Id);
    const auto first =
        std::partition_point(transactions.begin(), transactions.end(),
                             [&](const TransactionRecord& t) { return t.Date <= value_date; });
    for (auto t = first; t != transactions.end() && t->Date <= date; ++t) {
        flows += FlowEffect(t->Type, t->Amount);
    }
    return value + flows;
}

double DataStore::InvestmentValueAt(Hid holding_id, Date date) const {
    const HoldingRecord* holding = lists_->holdings.Find(holding_id);
    if (!holding) return 0;
    return std::max(0.0, UnclippedValueAt(*holding, date));
}

double DataStore::PortfolioValueAt(Pid portfolio_id, Date date) const {
    double total = 0;
    for (const HoldingRecord& holding : lists_->holdings.OfPortfolio(portfolio_id)) {
        total += UnclippedValueAt(holding, date);
    }
    return std::max(0.0, total);
}

}  // namespace brevanta
