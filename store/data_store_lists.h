#pragma once

#include <vector>

#include "store/data_store.h"
#include "store/record_lists.h"
#include "store/table_access.h"

namespace brevanta {

// The store's in-memory lists; shared by the files that implement DataStore.
struct DataStore::Lists {
    PortfolioList portfolios;
    HoldingList holdings;
    HistoryList<TransactionRecord> transactions;
    HistoryList<ValueRecord> values;
    std::vector<SettingRecord> settings;  // table order
    std::vector<ColumnRecord> columns;    // by Position
};

// A history table read for a load, not yet kept by the store.
template <typename Record>
struct HistoryTableRead {
    Status status;
    bool saw_deleted = false;
    IdNumber largest_id = 0;   // among the rows read
    HistoryList<Record> list;  // empty unless status is ok
};

// Rewrites every live row whose identifier field (`Rows::id`) matches `id` through
// `write(rows, writer)`; returns the number of rows changed.
template <typename Rows, Identifier Id, typename Write>
StoreResult<int> RewriteById(const TableFile& file, Locking locking, Id id, Write write) {
    Rows fields;
    return VisitRows(file, locking, fields, [&](Rows& f, RowReader& reader, RowWriter& writer) {
        if (!SameIdentifier(reader, f.id, Number(id))) return false;
        write(static_cast<const Rows&>(f), writer);
        return true;
    });
}

}  // namespace brevanta
