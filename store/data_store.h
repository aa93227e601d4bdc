#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/status.h"
#include "store/records.h"
#include "store/store_result.h"
#include "store/table_engine.h"

namespace brevanta {

// Shown (by the GUI) when the tables cannot be loaded; the application then ends.
inline constexpr UserText DataUnavailableMessage = BREVANTA_TEXT(
    "Store",
    "Your data files are currently in use or corrupted.\r\nDue to this the application is "
    "unable to be run\r\nand will stopped.");

// What one write changed, for whoever shows the store.
struct StoreChanges {
    bool portfolios = false;     // a portfolio added, renamed or removed
    bool holdings = false;       // an investment added, changed, moved or removed
    std::set<Hid> histories;     // investments whose transactions or values changed
    bool all_histories = false;  // any investment's (another process wrote the tables)
    bool figures = false;        // stored figures of investments or portfolios
    bool settings = false;       // settings or list columns

    bool HistoryChanged(Hid holding) const { return all_histories || histories.contains(holding); }
};

// Told after every write that changed something, once the lists are current.
class StoreObserver {
  public:
    virtual ~StoreObserver() = default;
    virtual void StoreChanged(const StoreChanges& changes) = 0;
};

// The one object through which all stored data is read and changed: every row of the five
// tables of one data directory, in memory. Its operations are grouped in parts, one per kind of
// row: portfolios(), holdings(), transactions(), values(), settings().
//
// Reads answer from memory. Every write is one change of the tables, all or none: it writes
// its rows through the rollback journal (store/journaled_file_system.h), and returns with the
// lists in memory as the tables now hold them; callers never reload. Lists and records handed
// out are copies owned by the caller; keep identifiers, not records, across writes.
//
// The one locking rule: every operation that reads a table holds the directory lock shared,
// every write holds it exclusively from before it reads until its change has taken effect; a
// hold inside one of the same or a stronger kind takes nothing more, and an exclusive hold
// inside a shared one is refused. Whoever takes the lock first undoes a change that a crash
// cut short (a store that may not write refuses instead, naming the change). A write first
// reads again every table another process changed since this store read it, so what it copies
// or deletes is what is stored, not what was remembered.
//
// Texts are UTF-8 here and Windows-1252 in the tables: a write whose text holds a character
// that code page lacks is refused (InvalidArgument naming it) and writes nothing.
//
// Failures come back as Status values naming the table, the row number (1 first), the field
// and the reason. Single-threaded: call from one thread only.
class DataStore {
  public:
    enum class Access { ReadWrite, ReadOnly };

    // Loads the five tables of `directory` (port.dbf, holding.dbf, Trans.dbf, value.dbf,
    // sys.dbf). A ReadWrite store first undoes an interrupted change and packs the tables that
    // hold deleted rows once all of them were read; a ReadOnly store never writes, packs or
    // undoes anything, and refuses every write. On failure the caller shows
    // DataUnavailableMessage (the status says which table failed and why).
    static Status Open(const std::string& directory, Access access,
                       std::unique_ptr<DataStore>* store);
    ~DataStore();
    DataStore(const DataStore&) = delete;
    DataStore& operator=(const DataStore&) = delete;

    class Portfolios;
    class Holdings;
    template <typename Record>
    class History;
    class Transactions;
    class Values;
    class Settings;

    Portfolios& portfolios() { return *portfolios_; }
    const Portfolios& portfolios() const { return *portfolios_; }
    Holdings& holdings() { return *holdings_; }
    const Holdings& holdings() const { return *holdings_; }
    Transactions& transactions() { return *transactions_; }
    const Transactions& transactions() const { return *transactions_; }
    Values& values() { return *values_; }
    const Values& values() const { return *values_; }
    Settings& settings() { return *settings_; }
    const Settings& settings() const { return *settings_; }

    const std::string& directory() const { return directory_; }
    bool read_only() const { return access_ == Access::ReadOnly; }
    // Whether path names one of the five tables (the same file, through any link).
    bool IsTableFile(const std::filesystem::path& path) const;
    // The one observer told of every change, or null. REQUIRES: it outlives the store or is
    // replaced first.
    void SetObserver(StoreObserver* observer);

    // The latest value on or before the date (the opening value counts) plus the later flows
    // up to the date; nothing when that value is 0. Never negative.
    double InvestmentValueAt(Hid holding_id, Date date) const;
    // The unclipped per-investment market values summed; never negative.
    double PortfolioValueAt(Pid portfolio_id, Date date) const;

    // Several writes as one change, all or none: the writes made while a Change lives join it
    // and take effect at Commit; destroyed without a Commit, none of them does. Until Commit
    // the lists in memory stay as they were. `operation` names the change in the message a
    // reader gets if a crash cuts it short. REQUIRES: one Change at a time.
    class Change {
      public:
        Change(DataStore& store, std::string operation);
        ~Change();
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;
        // Why the change could not begin (a read-only store, the lock), or ok.
        const Status& status() const { return status_; }
        // The writes take effect, or none of them; either way the change has ended.
        Status Commit();

      private:
        DataStore& store_;
        Status status_;
        bool ended_ = false;
    };

    struct Internals;  // the lists, the tables and the lock, shared by the parts

  private:
    DataStore(const std::string& directory, Access access);
    Status Load();

    std::string directory_;
    Access access_;
    std::unique_ptr<Internals> internals_;
    std::unique_ptr<Portfolios> portfolios_;
    std::unique_ptr<Holdings> holdings_;
    std::unique_ptr<Transactions> transactions_;
    std::unique_ptr<Values> values_;
    std::unique_ptr<Settings> settings_;
};

// --- Portfolios (sorted by Name, compared byte by byte) ---
class DataStore::Portfolios {
  public:
    explicit Portfolios(Internals& internals) : internals_(internals) {}

    std::vector<PortfolioRecord> AllPortfolios() const;
    // The first portfolio in list order with that Id, or nullopt.
    std::optional<PortfolioRecord> FindPortfolio(Pid id) const;
    // PNAME of the first row of port.dbf (not the list) with that PID; "" when none or when
    // the table cannot be read.
    std::string PortfolioName(Pid id) const;
    // Appends a not-calculated portfolio; returns its new PID (the largest plus one).
    StoreResult<Pid> InsertPortfolio(const std::string& name, const std::string& description);
    // Rows changed.
    StoreResult<int> RenamePortfolio(Pid id, const std::string& name,
                                     const std::string& description);
    // Writes PERFDATE and the 14 figures (INCD is left as it is). Rows changed.
    StoreResult<int> StorePortfolioFigures(Pid id, const PerformanceFigures& figures);
    // Deletes the portfolio, its investments, their transactions and values.
    Status DeletePortfolio(Pid id);

  private:
    Internals& internals_;
};

// --- Investments (sorted by PortfolioId, then Name byte by byte) ---
class DataStore::Holdings {
  public:
    explicit Holdings(Internals& internals) : internals_(internals) {}

    std::vector<HoldingRecord> HoldingsOfPortfolio(Pid portfolio_id) const;
    std::optional<HoldingRecord> FindHolding(Hid id) const;
    std::optional<HoldingRecord> FindHoldingIn(Pid portfolio_id, Hid id) const;
    // Appends the investment (figures not calculated, whatever the record holds); returns its
    // new HID (the largest plus one).
    StoreResult<Hid> InsertHolding(const HoldingRecord& record);
    // Writes the members given. Rows changed.
    StoreResult<int> UpdateHolding(Hid id, const HoldingChanges& changes);
    StoreResult<int> StoreHoldingFigures(Hid id, const PerformanceFigures& figures);
    // Deletes the investment with its transactions and values; the portfolio's figures stay.
    Status DeleteHolding(Hid id);
    // Copies the investment with its figures, transactions and values as stored (all with new
    // identifiers) into the portfolio; returns the copy. The source is left unchanged.
    StoreResult<HoldingRecord> CopyHolding(Hid id, Pid portfolio_id);
    // CopyHolding, then DeleteHolding of the source, as one change.
    StoreResult<HoldingRecord> MoveHolding(Hid id, Pid portfolio_id);

  private:
    StoreResult<Hid> Copy(Hid id, Pid portfolio_id);
    Internals& internals_;
};

// --- Transactions and historical values: one investment's history ---
// Record is TransactionRecord or ValueRecord; Transactions and Values add the operations of
// their own kind.
template <typename Record>
class DataStore::History {
  public:
    using Id = decltype(Record::Id);
    using Order = HistoryOrder<Record>;
    using Changes = HistoryChanges<Record>;

    explicit History(Internals& internals) : internals_(internals) {}

    // The investment's opening entry first, then its rows in the order asked (the opening
    // entry stays first). Empty when there is no such investment.
    std::vector<Record> OfHolding(Hid holding_id, Order order = Order::Plain) const;
    std::optional<Record> Find(Id id) const;
    // Appends the rows with the next identifiers, all or none; when one record's row was
    // refused, *refused_index (if given) is set to its index.
    Status Insert(const std::vector<Record>& records, size_t* refused_index = nullptr);
    // Writes the members given. Rows changed.
    StoreResult<int> Update(Id id, const Changes& changes);
    // Rows deleted.
    StoreResult<int> Delete(const std::vector<Id>& ids);

  protected:
    Internals& internals_;
};

class DataStore::Transactions : public DataStore::History<TransactionRecord> {
  public:
    using History::History;

    std::vector<TransactionRecord> TransactionsOfHolding(
        Hid holding_id, TransactionOrder order = TransactionOrder::Plain) const {
        return OfHolding(holding_id, order);
    }
    std::optional<TransactionRecord> FindTransaction(Tid id) const { return Find(id); }
    Status InsertTransaction(const TransactionRecord& record) { return Insert({record}); }
    Status InsertTransactions(const std::vector<TransactionRecord>& records,
                              size_t* refused_index = nullptr) {
        return Insert(records, refused_index);
    }
    StoreResult<int> UpdateTransaction(Tid id, const TransactionChanges& changes) {
        return Update(id, changes);
    }
    // Marks the rows deleted; the next load packs them away.
    StoreResult<int> DeleteTransactions(const std::vector<Tid>& ids) { return Delete(ids); }

    // An OpeningContribution per investment of the portfolio plus its transactions, by date.
    std::vector<TransactionRecord> TransactionsOfPortfolio(Pid portfolio_id) const;
    // Sum of Amount over TransactionsOfHolding with that Type, so "CC" includes the initial
    // amount.
    double TypeTotal(Hid holding_id, const std::string& code) const;
    // Sum of Amount over TransactionsOfPortfolio with that Type dated after `from` and on or
    // before `to`.
    double PortfolioTypeTotal(Pid portfolio_id, Date from, Date to, const std::string& code) const;
};

class DataStore::Values : public DataStore::History<ValueRecord> {
  public:
    using History::History;

    // Right after a write, values of one date come smaller value first.
    std::vector<ValueRecord> ValuesOfHolding(Hid holding_id,
                                             ValueOrder order = ValueOrder::Plain) const {
        return OfHolding(holding_id, order);
    }
    std::optional<ValueRecord> FindValue(Vid id) const { return Find(id); }
    Status InsertValue(const ValueRecord& record) { return Insert({record}); }
    Status InsertValues(const std::vector<ValueRecord>& records, size_t* refused_index = nullptr) {
        return Insert(records, refused_index);
    }
    StoreResult<int> UpdateHistoricalValue(Vid id, const ValueChanges& changes) {
        return Update(id, changes);
    }
    // Marks the rows deleted; the next load packs them away.
    StoreResult<int> DeleteHistoricalValues(const std::vector<Vid>& ids) { return Delete(ids); }
};

// --- Settings and list columns (sys.dbf) ---
class DataStore::Settings {
  public:
    explicit Settings(Internals& internals) : internals_(internals) {}

    // The first settings row (column rows included) whose Key equals key exactly.
    std::optional<SettingRecord> FindSetting(const std::string& key) const;
    // Writes the values given into every row with that Key. Rows changed.
    StoreResult<int> UpdateSetting(const std::string& key, const SettingChanges& changes);
    // UpdateSetting, or, when no row has that Key, appends one with the values given (the
    // others blank).
    Status StoreSetting(const std::string& key, const SettingChanges& changes);
    // Columns by Position ascending.
    std::vector<ColumnRecord> VisibleColumns() const;
    std::vector<ColumnRecord> HiddenColumns() const;
    std::optional<ColumnRecord> FindColumn(const std::string& name) const;
    // Writes the numbers given into the column's row. Rows changed.
    StoreResult<int> UpdateColumn(const std::string& name, const ColumnChanges& changes);

    // "LOG_AUDIT": on unless Val1 is exactly "0"; off when the row is missing.
    bool AuditLoggingOn() const;
    // "NUM_DEC": a single digit 0 to 6; 2 for anything else or a missing row.
    int NumberOfDecimals() const;

  private:
    Internals& internals_;
};

// What a lookup that found nothing says.
Status PortfolioNotFound(Pid portfolio_id);
Status HoldingNotInPortfolio(Pid portfolio_id, Hid holding_id);

}  // namespace brevanta
