#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/status.h"
#include "store/directory_lock.h"
#include "store/records.h"
#include "store/store_result.h"
#include "store/table_access.h"

namespace brevanta {

// Shown (by the GUI) when the tables cannot be loaded; the application then ends.
inline constexpr const char* DataUnavailableMessage =
    "Your data files are currently in use or corrupted.\r\nDue to this the application is "
    "unable to be run\r\nand will stopped.";

// The one object through which all stored data is read and changed. It holds every row of
// the five tables of one data directory in memory; every change is written to its table at
// once (the table is opened for that operation and closed at its end), then the affected
// list is reloaded where noted. There is no save step and no undo.
//
// Ownership: every list and record handed out is a copy owned by the caller; it stays valid
// but stops following the store once the store changes. Keep identifiers, not records,
// across store calls and look records up again afterwards.
//
// Texts are UTF-8 here and Windows-1252 in the tables: a write whose text holds a character
// that code page lacks is refused (InvalidArgument naming it) before anything is written.
//
// Failures come back as Status values naming the table, the row number (1 first), the field
// and the reason. After a failed load every writing operation refuses to run (returns the
// load failure) until Load() succeeds, so a store that read a damaged table writes nothing.
//
// A new row's identifier is the largest of its table plus one, however large; an insert whose
// identifier the table's field cannot hold is refused and writes nothing.
//
// Processes sharing the directory are kept apart by its DirectoryLock: every writing
// operation holds it exclusively (re-reading what another process may have written first, and
// removing the temporary files a killed process left beside the tables),
// every load holds it shared (exclusively in a store that may pack). Single-threaded: call
// from one thread only.
template <typename Record>
struct HistoryTableRead;
template <typename Record>
class HistoryList;

class DataStore {
  public:
    // The tables are <data_directory>/port.dbf, holding.dbf, Trans.dbf, value.dbf, sys.dbf.
    // Nothing is read until Load(). A ReadOnly store opens them for reading only, never packs
    // or writes them, and refuses every writing operation.
    explicit DataStore(const std::string& data_directory,
                       Table::Mode access = Table::Mode::ReadWrite);
    ~DataStore();
    DataStore(const DataStore&) = delete;
    DataStore& operator=(const DataStore&) = delete;

    // Loads everything in this order, stopping at the first failure: portfolios, holdings,
    // transactions, values (those two tables read side by side), columns, settings. A ReadWrite
    // store then packs the tables that hold deleted rows; a failed load packs none. On failure
    // the caller shows DataUnavailableMessage (the status says which table failed and why).
    Status Load();

    // Whether path names one of the five tables (the same file, through any link).
    bool IsTableFile(const std::filesystem::path& path) const;

    // --- Portfolios (sorted by Name, compared byte by byte) ---
    Status LoadPortfolios();
    std::vector<PortfolioRecord> AllPortfolios() const;
    // The first portfolio in list order with that Id, or nullopt.
    std::optional<PortfolioRecord> FindPortfolio(Pid id) const;
    // PNAME of the first row of port.dbf (not the list) with that PID; "" when none or when
    // the table cannot be read.
    std::string PortfolioName(Pid id) const;
    // Largest live PID in port.dbf plus one (1 for an empty table).
    StoreResult<Pid> NextPortfolioId();
    // Appends a not-calculated portfolio and reloads; returns its new PID.
    StoreResult<Pid> InsertPortfolio(const std::string& name, const std::string& description);
    // Rows changed; reloads when at least one changed.
    StoreResult<int> RenamePortfolio(Pid id, const std::string& name,
                                     const std::string& description);
    // Writes PERFDATE and the 14 figures (INCD is left as it is); reloads when a row changed.
    StoreResult<int> StorePortfolioFigures(Pid id, const PerformanceFigures& figures);
    // Deletes the portfolio, its investments, their transactions and values, table by table,
    // reloading each list that lost rows. Stops at the first table that fails.
    Status DeletePortfolio(Pid id);

    // --- Investments (sorted by PortfolioId, then Name byte by byte) ---
    Status LoadHoldings();
    std::vector<HoldingRecord> HoldingsOfPortfolio(Pid portfolio_id) const;
    std::optional<HoldingRecord> FindHolding(Hid id) const;
    std::optional<HoldingRecord> FindHoldingIn(Pid portfolio_id, Hid id) const;
    // Largest live HID in holding.dbf plus one (1 for an empty table).
    StoreResult<Hid> NextHoldingId();
    // Appends the investment (figures not calculated, whatever the record holds) and
    // reloads; returns its new HID.
    StoreResult<Hid> InsertHolding(const HoldingRecord& record);
    // Writes Name and Description unless UnchangedText, InitialAmount unless UnchangedAmount,
    // and always InceptionDate; reloads when a row changed. Returns rows changed.
    StoreResult<int> UpdateHolding(Hid id, const HoldingRecord& record);
    StoreResult<int> StoreHoldingFigures(Hid id, const PerformanceFigures& figures);
    // Deletes the investment with its transactions and values; the portfolio's figures stay.
    Status DeleteHolding(Hid id);
    // Copies the investment with its figures, transactions and values (all with new
    // identifiers) into the portfolio; returns the copy. The source is left unchanged.
    StoreResult<HoldingRecord> CopyHolding(Hid id, Pid portfolio_id);
    // CopyHolding, then DeleteHolding of the source once the copy is complete.
    StoreResult<HoldingRecord> MoveHolding(Hid id, Pid portfolio_id);

    // --- Transactions and historical values ---
    // Also sets the next transaction identifier to the largest TID plus one.
    Status LoadTransactions();
    Status LoadValues();
    // The investment's OpeningContribution first, then its transactions in the order asked.
    // Empty when there is no such investment. Costs in proportion to the investment's rows.
    std::vector<TransactionRecord> TransactionsOfHolding(
        Hid holding_id, TransactionOrder order = TransactionOrder::Plain) const;
    // The investment's OpeningValue first, then its values in the order asked. Right after a
    // load, values of one date come smaller value first.
    std::vector<ValueRecord> ValuesOfHolding(Hid holding_id,
                                             ValueOrder order = ValueOrder::Plain) const;
    // An OpeningContribution per investment of the portfolio plus its transactions, by date.
    std::vector<TransactionRecord> TransactionsOfPortfolio(Pid portfolio_id) const;
    std::optional<TransactionRecord> FindTransaction(Tid id) const;
    std::optional<ValueRecord> FindValue(Vid id) const;

    // Appends the row with the next transaction identifier. Not reloaded: call
    // LoadTransactions() when finished adding.
    Status InsertTransaction(const TransactionRecord& record);
    // Appends the rows with the next identifiers, all or none: after a failure no row of them
    // is stored, and when one record's row was refused *refused_index (if given) is set to
    // that record's index. Not reloaded.
    Status InsertTransactions(const std::vector<TransactionRecord>& records,
                              size_t* refused_index = nullptr);
    // Writes Date and Description, Type unless UnchangedText, Amount unless UnchangedAmount.
    // Not reloaded. Returns rows changed.
    StoreResult<int> UpdateTransaction(Tid id, const TransactionRecord& record);
    // ids are decimal identifier texts. Marks the rows deleted without packing (the next
    // load packs) and returns how many; the caller reloads.
    StoreResult<int> DeleteTransactions(const std::vector<std::string>& ids);
    // Largest live VID in value.dbf plus one (1 for an empty table). The table is read again
    // only when something wrote it since this store last read or wrote it.
    StoreResult<Vid> NextValueId();
    // Appends the row with NextValueId(). Not reloaded: call LoadValues() when finished.
    Status InsertValue(const ValueRecord& record);
    // Appends the rows with consecutive identifiers from NextValueId(), all or none, as
    // InsertTransactions does. Not reloaded.
    Status InsertValues(const std::vector<ValueRecord>& records, size_t* refused_index = nullptr);
    // Writes Date and Value; reloads when a row changed. Returns rows changed.
    StoreResult<int> UpdateHistoricalValue(Vid id, const ValueRecord& record);
    StoreResult<int> DeleteHistoricalValues(const std::vector<std::string>& ids);

    // Sum of Amount over TransactionsOfHolding(plain) with that Type, so "CC" includes the
    // initial amount.
    double TypeTotal(Hid holding_id, const std::string& code) const;
    // Sum of Amount over TransactionsOfPortfolio with that Type dated after `from` and on
    // or before `to`.
    double PortfolioTypeTotal(Pid portfolio_id, Date from, Date to, const std::string& code) const;
    // The latest value on or before the date (the opening value counts) plus the later flows
    // up to the date; nothing when that value is 0. Never negative.
    double InvestmentValueAt(Hid holding_id, Date date) const;
    // The unclipped per-investment market values summed; never negative.
    double PortfolioValueAt(Pid portfolio_id, Date date) const;

    // --- Figures of many rows ---
    // While a FigureBatch lives, StoreHoldingFigures and StorePortfolioFigures write each
    // matching row in place (one record rewritten, the in-memory record read back from it)
    // instead of rewriting the table and reloading the list. Throughout, the directory is held
    // exclusively and port.dbf and holding.dbf stay open with all rows locked; Finish syncs
    // them once. Both lists are reloaded when the batch begins, as another process may have
    // changed the tables since they were read. REQUIRES: while a batch lives, the store
    // writes nothing but figures; one batch at a time.
    class FigureBatch {
      public:
        explicit FigureBatch(DataStore& store);
        ~FigureBatch();  // Finish, when not called yet
        FigureBatch(const FigureBatch&) = delete;
        FigureBatch& operator=(const FigureBatch&) = delete;
        // Closes the tables (a table with a row written gets its header's date, as after any
        // rewrite, and a sync); returns the first failure. A batch that could not begin
        // refuses every figure write instead, saying why.
        Status Finish();

      private:
        DataStore& store_;
    };

    // --- Settings and list columns (sys.dbf) ---
    Status LoadSettings();
    Status LoadColumns();
    // The first settings row (column rows included) whose Key equals key exactly.
    std::optional<SettingRecord> FindSetting(const std::string& key) const;
    // Writes Val1..Val4 unless UnchangedText into every row with that Key; reloads settings.
    StoreResult<int> UpdateSetting(const SettingRecord& record);
    // UpdateSetting, or, when no row has that Key, appends one with the values given (those
    // marked UnchangedText left blank) and reloads settings.
    Status StoreSetting(const SettingRecord& record);
    // Columns by Position ascending.
    std::vector<ColumnRecord> VisibleColumns() const;
    std::vector<ColumnRecord> HiddenColumns() const;
    std::optional<ColumnRecord> FindColumn(const std::string& name) const;
    // Writes Visible, Width, Position unless UnchangedNumber; reloads columns.
    StoreResult<int> UpdateColumn(const std::string& name, const ColumnRecord& record);

    // "LOG_AUDIT": on unless Val1 is exactly "0"; off when the row is missing.
    bool AuditLoggingOn() const;
    // "NUM_DEC": a single digit 0 to 6; 2 for anything else or a missing row.
    int NumberOfDecimals() const;

  private:
    struct Lists;
    class FigureTables;

    // Both history lists, their tables read at once (during Load()).
    Status LoadHistories();
    // The rest of LoadTransactions and LoadValues once the table was read.
    Status KeepTransactions(HistoryTableRead<TransactionRecord>&& read);
    Status KeepValues(HistoryTableRead<ValueRecord>&& read);
    // Remembers a failed load, so that writes refuse to run until Load() succeeds.
    Status Loaded(Status status);
    // A writing operation's exclusive hold on the directory; `refusal` says why it may not
    // write (a failed load, reading only, the lock), or is ok.
    struct Writing {
        explicit Writing(DataStore& store);
        Status refusal;
        std::optional<DirectoryLock::Hold> hold;
    };
    // After a table was read: packs it when it holds deleted rows and this store may write;
    // during Load() the packs wait until every table has been read.
    Status PackAfterReading(const TableFile& file, bool saw_deleted);
    // How loads hold the directory: exclusively where they may pack.
    DirectoryLock::Kind LoadKind() const;
    // The largest live identifier of a history table as this store last read or wrote it,
    // with the table's device, inode, size and change time then: while they stay the same,
    // nothing has written the table since.
    struct KnownLargestId {
        IdNumber largest = 0;
        std::array<int64_t, 4> stamp{};
    };
    // The table's largest live identifier, read again only when its stamp changed. REQUIRES:
    // a Writing hold, so that no other process writes in between.
    StoreResult<IdNumber> LargestId(const TableFile& file, const char* field,
                                    KnownLargestId& known);
    static void NoteLargestId(const TableFile& file, IdNumber largest, KnownLargestId& known);
    // Packs, notes the largest identifier and keeps the list of a history table just read.
    template <class Record>
    Status KeepHistory(HistoryTableRead<Record>&& read, const TableFile& file,
                       KnownLargestId& known, HistoryList<Record>& list);
    // The next TID from LargestId. REQUIRES: a Writing hold.
    StoreResult<Tid> NextTransactionId();
    // V + Flows of the market value rule: the latest value on or before the date (the
    // opening value counts), plus the later flows only when that value is above 0.
    double UnclippedValueAt(const HoldingRecord& holding, Date date) const;
    // StorePortfolioFigures and StoreHoldingFigures while a FigureBatch lives.
    StoreResult<int> StoreBatchedPortfolioFigures(Pid id, const PerformanceFigures& figures);
    StoreResult<int> StoreBatchedHoldingFigures(Hid id, const PerformanceFigures& figures);
    // Reloads through `reload` when at least one row changed.
    StoreResult<int> ReloadedIfChanged(StoreResult<int> changed, Status (DataStore::*reload)());
    // DeleteTransactions and DeleteHistoricalValues: marks the listed rows, no pack.
    StoreResult<int> DeleteListed(const TableFile& file, const char* id_field,
                                  const std::vector<std::string>& ids);
    StoreResult<int> DeleteRowsOf(const TableFile& file, const char* id_field, IdNumber id);
    // DeletePortfolio and DeleteHolding: by PID or HID through the given tables, reloading
    // each list that lost rows.
    Status DeleteCascade(const char* id_field, IdNumber id, bool from_portfolios);

    TableFile portfolio_table_;
    TableFile holding_table_;
    TableFile transaction_table_;
    TableFile value_table_;
    TableFile settings_table_;
    std::unique_ptr<Lists> lists_;
    std::unique_ptr<FigureTables> figure_tables_;  // while a FigureBatch lives
    Status load_failure_;                          // sticky until Load() succeeds
    Table::Mode access_;
    // While Load() reads, the tables it will pack once all of them have been read.
    std::optional<std::vector<const TableFile*>> pending_packs_;
    mutable DirectoryLock lock_;
    KnownLargestId transaction_ids_;
    KnownLargestId value_ids_;
};

}  // namespace brevanta
