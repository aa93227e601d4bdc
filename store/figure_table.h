#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "store/data_store.h"
#include "store/table_access.h"
#include "store/table_rows.h"

namespace brevanta {

// A table whose figures a FigureBatch writes in place: open, with all rows locked, for the
// whole batch, and its live rows indexed by identifier when it opens. `Rows` is PortfolioRows
// or HoldingRows.
template <typename Rows>
class FigureTable {
  public:
    // REQUIRES: file outlives the table.
    explicit FigureTable(const TableFile& file) : file_(file) {}

    Status Open() {
        Status status = OpenTable(table_, file_);
        if (status.ok()) status = TableFailure(file_, table_.LockAll());
        if (status.ok()) status = TableFailure(file_, table_.Top());
        if (!status.ok()) return status;
        RowReader reader(table_, file_.name);
        rows_.Bind(reader);
        uint32_t live = 0;
        for (int32_t record = 1; reader.status().ok() && !table_.Eof(); ++record) {
            reader.SetRow(record);
            if (!table_.Deleted())
                rows_by_id_[reader.IdentifierNumber(rows_.id)].push_back({record, live++});
            status = table_.Skip();
            if (!status.ok()) return TableFailure(file_, status);
        }
        return reader.status();
    }

    // Writes the figures on every live row with that identifier, one record each; then hands
    // `on_row(live row, record)` the row's record as a load would read it, live rows counted
    // from 0 in file order. Returns the rows written.
    template <typename OnRow>
    StoreResult<int> Store(IdNumber id, const PerformanceFigures& figures, OnRow on_row) {
        const auto found = rows_by_id_.find(id);
        if (found == rows_by_id_.end()) return 0;
        for (const Row& row : found->second) {
            Status status = TableFailure(file_, table_.Go(row.record));
            if (!status.ok()) return status;
            RowWriter writer(table_, file_.name);
            rows_.figures.WriteFigures(writer, figures);
            if (!writer.status().ok()) return writer.status();
            status = TableFailure(file_, table_.Flush());
            if (!status.ok()) return status;
            RowReader reader(table_, file_.name);
            reader.SetRow(row.record);
            auto record = rows_.Read(reader);
            if (!reader.status().ok()) return reader.status();
            on_row(row.live, std::move(record));
        }
        return static_cast<int>(found->second.size());
    }

    Status Close() { return table_.is_open() ? TableFailure(file_, table_.Close()) : Status::Ok(); }

  private:
    struct Row {
        int32_t record;  // in the file, 1 first
        uint32_t live;   // among the live rows, 0 first
    };

    const TableFile& file_;
    Table table_;
    Rows rows_;
    std::unordered_map<IdNumber, std::vector<Row>> rows_by_id_;
};

// What a FigureBatch holds: the directory, exclusively, and the two figure tables.
class DataStore::FigureTables {
  public:
    explicit FigureTables(DataStore& store);

    // Why the batch cannot write, or ok.
    const Status& status() const { return status_; }
    FigureTable<PortfolioRows>& portfolios() { return portfolios_; }
    FigureTable<HoldingRows>& holdings() { return holdings_; }
    Status Close();

  private:
    Writing writing_;
    Status status_;
    FigureTable<PortfolioRows> portfolios_;
    FigureTable<HoldingRows> holdings_;
};

}  // namespace brevanta
