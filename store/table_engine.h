#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace brevanta {

// Field kinds of a dBASE III table.
enum class FieldKind : char { Character = 'C', Numeric = 'N', Date = 'D' };

struct FieldSpec {
    std::string name;  // at most 10 characters, stored upper-case
    FieldKind kind = FieldKind::Character;
    int width = 1;     // bytes in the record; Date fields are always 8
    int decimals = 0;  // Numeric fields only
};

// A handle to one field of an open table, found by name. Invalid when the name is unknown.
class FieldHandle {
public:
    FieldHandle() = default;
    bool valid() const { return index_ >= 0; }
    int index() const { return index_; }

private:
    friend class Table;
    explicit FieldHandle(int index) : index_(index) {}
    int index_ = -1;
};

// One dBASE III table file, opened for one store operation and closed at its end.
//
// Row access follows the xBase pattern: Top/Skip/Eof move a current row; field reads
// and writes act on it; a changed row is written back when the table moves off it,
// appends, or closes. Appends start with AppendStart, are prepared with Blank/Recall
// and assignments, and are added by Append.
//
// Durability: a row is written before the header's row count is raised, and a pack
// writes a new file beside the old one and renames it over it, so a process killed
// at any point leaves a table that opens with every committed row.
//
// Every operation on a table that is not open returns a non-ok Status (reads yield
// empty text); none of them crash.
class Table {
public:
    Table();
    ~Table();  // closes, saving a pending row change
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Creates a new, empty table file. Fails when the file exists or the layout is invalid.
    static Status Create(const std::string& path, const std::vector<FieldSpec>& fields);

    // Opens by full path. Missing, unreadable, truncated or malformed files fail with
    // NotFound, IoError or Corruption and leave the table closed.
    Status Open(const std::string& path);
    bool is_open() const;

    const std::vector<FieldSpec>& fields() const;
    // Field names match without regard to letter case, as dBASE does.
    FieldHandle Field(std::string_view name) const;

    Status Pack();  // removes rows marked deleted (a no-op when there are none)
    Status Top();
    Status Skip();  // one row forward
    bool Eof() const;
    int32_t RecordCount() const;
    bool Deleted() const;  // the current row carries the deletion flag

    Status AppendStart();
    Status Recall();  // the row being prepared, or the current row, is not marked deleted
    Status Blank();   // every field of the row being prepared becomes blank
    Status Append();
    Status Delete();  // marks the current row deleted

    // A POSIX advisory lock on the whole file, held until Close.
    Status LockAll();
    Status Close();

    // Field contents as stored: text padded with blanks, numbers right-aligned in their
    // decimal form, dates as "yyyymmdd".
    std::string FieldText(FieldHandle field) const;
    // Text is cut or blank-padded to the field's width.
    Status AssignText(FieldHandle field, std::string_view text);
    // Written right-aligned in the field's width and decimals; a number that does not fit
    // is refused (InvalidArgument) and the field keeps its contents.
    Status AssignNumber(FieldHandle field, double value);

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace brevanta
