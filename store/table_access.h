#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/status.h"
#include "store/row_reader.h"
#include "store/store_result.h"
#include "store/table_engine.h"

namespace brevanta {

// The access patterns every store operation follows: open one table, work through its rows,
// close it. No table stays open between two operations. Every failure names the table.

// A table of the data directory: its full path, its file name for messages, and the file
// system it is reached through. A store that only reads opens its tables read-only and never
// packs them.
struct TableFile {
    std::string path;
    std::string name;
    Table::Mode mode = Table::Mode::ReadWrite;
    FileSystem* fs = nullptr;  // FileSystem::Default() when null
};

// Opens the table for one operation.
Status OpenTable(Table& table, const TableFile& file);

// The engine's failure, led by the table's name unless its message names the file already.
Status TableFailure(const TableFile& file, const Status& status);

// Reads every live row in file order without writing: `on_row(rows, reader)` reads the
// current row. `rows` binds the fields (a struct with Bind(RowReader&)). The first malformed
// row stops the read and is returned; its number is its row in the file. `saw_deleted`, when
// given, tells whether the table holds rows marked deleted.
// `on_count(rows in the file)` is called before the first row is read.
template <typename Rows, typename OnCount, typename OnRow>
Status ReadEveryRowCounted(const TableFile& file, Rows& rows, OnCount on_count, OnRow on_row,
                           bool* saw_deleted) {
    Table table;
    Status status = OpenTable(table, file);
    if (!status.ok()) return status;
    status = table.Top();
    if (!status.ok()) return TableFailure(file, status);
    RowReader reader(table, file.name);
    rows.Bind(reader);
    const int32_t count = table.RecordCount();
    on_count(count);
    for (int32_t row = 1; reader.status().ok() && row <= count && !table.Eof(); ++row) {
        reader.SetRow(row);
        if (!table.Deleted()) {
            on_row(rows, reader);
        } else if (saw_deleted) {
            *saw_deleted = true;
        }
        status = table.Skip();
        if (!status.ok()) return TableFailure(file, status);
    }
    if (!reader.status().ok()) return reader.status();
    return TableFailure(file, table.Close());
}

template <typename Rows, typename OnRow>
Status ReadEveryRow(const TableFile& file, Rows& rows, OnRow on_row, bool* saw_deleted = nullptr) {
    return ReadEveryRowCounted(
        file, rows, [](int32_t) {}, on_row, saw_deleted);
}

// A record per live row in file order, read by `rows.Read(reader)`.
template <typename Rows, typename Record>
Status ReadEveryRecord(const TableFile& file, std::vector<Record>& records, bool* saw_deleted) {
    Rows rows;
    return ReadEveryRowCounted(
        file, rows, [&](int32_t count) { records.reserve(static_cast<size_t>(count)); },
        [&](Rows& f, RowReader& reader) { records.push_back(f.Read(reader)); }, saw_deleted);
}

enum class Locking { None, AllRows };

// Visits every live row from the first: `visit(rows, reader, writer)` returns whether it
// changed the row (numbers first, so a refused number leaves the row as it was). Returns the
// number of rows changed, or the first failure.
template <typename Rows, typename Visit>
StoreResult<int> VisitRows(const TableFile& file, Locking locking, Rows& rows, Visit visit) {
    Table table;
    Status status = OpenTable(table, file);
    if (!status.ok()) return status;
    if (locking == Locking::AllRows) status = table.LockAll();
    if (status.ok()) status = table.Top();
    if (!status.ok()) return TableFailure(file, status);
    RowReader reader(table, file.name);
    RowWriter writer(table, file.name);
    rows.Bind(reader);
    int changed = 0;
    for (int row = 1; reader.status().ok() && !table.Eof(); ++row) {
        reader.SetRow(row);
        if (!table.Deleted() && visit(rows, reader, writer)) ++changed;
        if (!writer.status().ok()) return writer.status();
        status = table.Skip();
        if (!status.ok()) return TableFailure(file, status);
    }
    if (!reader.status().ok()) return reader.status();
    status = table.Close();
    if (!status.ok()) return TableFailure(file, status);
    return changed;
}

// Marks deleted every live row for which `match(rows, reader)` holds. Returns the number of
// rows marked.
template <typename Rows, typename Match>
StoreResult<int> DeleteMatchingRows(const TableFile& file, Rows& rows, Match match) {
    Table table;
    Status status = OpenTable(table, file);
    if (!status.ok()) return status;
    status = table.Top();
    if (!status.ok()) return TableFailure(file, status);
    RowReader reader(table, file.name);
    rows.Bind(reader);
    int deleted = 0;
    for (int row = 1; reader.status().ok() && !table.Eof(); ++row) {
        reader.SetRow(row);
        if (!table.Deleted() && match(rows, reader)) {
            status = table.Delete();
            if (!status.ok()) return TableFailure(file, status);
            ++deleted;
        }
        status = table.Skip();
        if (!status.ok()) return TableFailure(file, status);
    }
    if (!reader.status().ok()) return reader.status();
    status = table.Close();
    if (!status.ok()) return TableFailure(file, status);
    return deleted;
}

// The identifier field of a table, for scans that need nothing else.
struct IdentifierField {
    const char* name;
    FieldHandle id;
    void Bind(RowReader& reader) { id = reader.Field(name); }
};

// Whether the row's identifier is the number `id`.
bool SameIdentifier(RowReader& reader, FieldHandle field, IdNumber id);

// port.dbf and holding.dbf prepare a new row from the first row, then recall and blank it;
// Trans.dbf and value.dbf start the append where the table stands and blank the row.
enum class AppendStart { FromTop, Here };

// Makes a blank new row ready for its fields.
Status PrepareAppend(Table& table, const TableFile& file, AppendStart start);

// Appends rows to one table, opened once for all of them. `Rows` binds the fields.
template <typename Rows>
class RowAppender {
  public:
    RowAppender(const TableFile& file, AppendStart start) : file_(file), start_(start) {}

    Status Open() {
        Status status = OpenTable(table_, file_);
        if (!status.ok()) return status;
        RowReader reader(table_, file_.name);
        rows_.Bind(reader);
        return reader.status();
    }

    // `write(rows, writer)` fills the new row; it is added only when every field took its
    // value.
    template <typename Write>
    Status Append(Write write) {
        Status status = PrepareAppend(table_, file_, start_);
        if (!status.ok()) return status;
        RowWriter writer(table_, file_.name);
        write(static_cast<const Rows&>(rows_), writer);
        if (!writer.status().ok()) return writer.status();
        return TableFailure(file_, table_.Append());
    }

    // Rows appended from here on are stored only by Commit(); Close() without it drops them.
    Status BeginBatch() { return TableFailure(file_, table_.BeginAppends()); }
    Status Commit() { return TableFailure(file_, table_.CommitAppends()); }

    Status Close() { return TableFailure(file_, table_.Close()); }

  private:
    const TableFile& file_;
    AppendStart start_;
    Table table_;
    Rows rows_;
};

// Opens the table, appends one row and closes it. A batch of one, so that the row reaches the
// disk before the count that covers it.
template <typename Rows, typename Write>
Status AppendOneRow(const TableFile& file, AppendStart start, Write write) {
    RowAppender<Rows> appender(file, start);
    Status status = appender.Open();
    if (status.ok()) status = appender.BeginBatch();
    if (status.ok()) status = appender.Append(write);
    if (status.ok()) status = appender.Commit();
    const Status closed = appender.Close();
    return status.ok() ? closed : status;
}

}  // namespace brevanta
