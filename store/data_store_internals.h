#pragma once

#include <array>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "store/data_store.h"
#include "store/directory_lock.h"
#include "store/journaled_file_system.h"
#include "store/record_lists.h"
#include "store/table_access.h"
#include "store/table_layouts.h"

namespace brevanta {

// What the parts of a DataStore share: the tables, the lists read from them, the lock, and
// the write under way. Private to the files that implement DataStore.
struct DataStore::Internals {
    Internals(const std::string& directory, Access access);

    bool read_only() const { return access == Access::ReadOnly; }

    // Reads every table (the two history tables side by side), then packs those that hold
    // deleted rows when the store may write. REQUIRES: the lock is held.
    Status ReadAll();
    // Reads one table into its list again and notes its stamp. REQUIRES: the lock is held.
    Status ReadTable(const TableFile& table);

    // Runs `change()` as one write (or as part of the write under way): returns its result,
    // or why the write could not begin or take effect. The lists are current when it returns.
    template <typename Change>
    auto Write(std::string operation, Change change) -> decltype(change()) {
        if (Status begun = BeginWrite(std::move(operation)); !begun.ok()) return begun;
        auto result = change();
        Status ended;
        if constexpr (std::is_same_v<decltype(result), Status>) {
            ended = EndWrite(result);
        } else {
            ended = EndWrite(result.status());
        }
        if (!ended.ok()) return ended;
        return result;
    }
    // The bracket of Write, for a DataStore::Change that spans several writes.
    Status BeginWrite(std::string operation);
    // Ends one level of writing; the outermost commits when `outcome` and every write inside
    // were ok, and otherwise drops everything. Returns the first failure.
    Status EndWrite(const Status& outcome);
    // What the write under way changed; the observer is told once it has taken effect.
    StoreChanges& changes() { return write->changes; }
    // Marks deleted the rows whose field `id_field` holds `id`, table by table, and packs
    // each once the write has taken effect. REQUIRES: a write under way.
    Status DeleteRows(const char* id_field, IdNumber id,
                      std::initializer_list<const TableFile*> tables);
    // Packs the table once the write has taken effect.
    void PackAfterWrite(const TableFile& table);
    // Appends the records to their table with new identifiers, all or none; when one record's
    // row is refused, *refused_index (if given) is set to its index. REQUIRES: a write.
    template <typename Rows, typename Record>
    Status AppendRecords(const TableFile& table, const std::vector<Record>& records,
                         size_t* refused_index) {
        RowAppender<Rows> appender(table, AppendStart::Here);
        Status status = appender.Open();
        if (status.ok()) status = appender.BeginBatch();
        for (size_t i = 0; status.ok() && i < records.size(); ++i) {
            const StoreResult<decltype(Record::Id)> id = NewId<decltype(Record::Id)>(table);
            status = id.status();
            if (status.ok()) {
                status = appender.Append([&](const Rows& rows, RowWriter& writer) {
                    rows.WriteNew(writer, id.value(), records[i]);
                });
            }
            if (!status.ok() && refused_index) *refused_index = i;
        }
        if (status.ok()) status = appender.Commit();
        const Status closed = appender.Close();
        return status.ok() ? closed : status;
    }
    // The identifier after the largest of its kind, stored or given by this write.
    template <Identifier Id>
    StoreResult<Id> NewId(const TableFile& table) {
        IdNumber& largest = write->largest[IdKind(table)];
        const std::optional<Id> id = IdAfter(static_cast<Id>(largest));
        if (!id)
            return Status::InvalidArgument(
                Message(BREVANTA_TEXT("Store", "%1: no identifier is left."), {table.name}));
        largest = Number(*id);
        return *id;
    }

    JournaledFileSystem fs;
    TableFile portfolio_table;
    TableFile holding_table;
    TableFile transaction_table;
    TableFile value_table;
    TableFile settings_table;

    PortfolioList portfolios;
    HoldingList holdings;
    HistoryList<TransactionRecord> transactions;
    HistoryList<ValueRecord> values;
    std::vector<SettingRecord> settings;  // table order, column rows included
    std::vector<ColumnRecord> columns;    // by Position
    // Where each portfolio's [0] and investment's [1] row is in its table, so that a figure
    // write goes straight to it. Rows stay in place until the next pack, which reads the table
    // again.
    std::array<std::unordered_map<IdNumber, std::vector<int32_t>>, 2> figure_rows;

    std::string directory;
    Access access;
    mutable DirectoryLock lock;
    StoreObserver* observer = nullptr;

  private:
    // A table's device, inode, size and change time when this store last read or wrote it:
    // while they stay the same, nothing else has written it.
    using Stamp = std::array<int64_t, 4>;
    struct Writing {
        std::optional<DirectoryLock::Hold> hold;
        int depth = 0;
        Status failure;  // the first write inside that failed
        StoreChanges changes;
        StoreChanges reread;  // tables another process wrote, read again first
        std::vector<const TableFile*> packs;
        std::array<IdNumber, 4> largest{};  // by IdKind
    };

    std::vector<const TableFile*> Tables() const;
    size_t IdKind(const TableFile& table) const;
    Stamp StampOf(const TableFile& table) const;
    // Reads again every table another process wrote since this store read it.
    Status ReadChangedTables(StoreChanges& changes);
    // After the change took effect: packs, reads what changed, tells the observer.
    Status Conclude(const std::vector<const TableFile*>& changed, Writing& writing);
    void Tell(const StoreChanges& changes) const;
    static void NoteTableChanged(const Internals& store, const TableFile& table,
                                 StoreChanges& changes);

    std::map<const TableFile*, Stamp> stamps_;
    std::unique_ptr<Writing> write;
    friend class DataStore;
};

// Rewrites every live row whose identifier field (`Rows::id`) matches `id` through
// `write(rows, writer)`; returns the number of rows changed.
template <typename Rows, Identifier Id, typename Write>
StoreResult<int> RewriteById(const TableFile& file, Id id, Write write) {
    Rows fields;
    return VisitRows(file, Locking::None, fields,
                     [&](Rows& f, RowReader& reader, RowWriter& writer) {
                         if (!SameIdentifier(reader, f.id, Number(id))) return false;
                         write(static_cast<const Rows&>(f), writer);
                         return true;
                     });
}

// Writes PERFDATE and the 14 figures into the rows (1 first) of port.dbf or holding.dbf; returns
// the rows written.
StoreResult<int> WriteFiguresInPlace(const TableFile& table, const std::vector<int32_t>& rows,
                                     const PerformanceFigures& figures);

}  // namespace brevanta
