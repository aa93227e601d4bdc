#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_system.h"
#include "core/status.h"

namespace brevanta {

class Clock;

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
// at any point leaves a table that opens with every committed row. CommitAppends syncs the
// rows before the header that counts them and the header after; every other write reaches
// the disk by the sync of Close.
//
// Files are reached through FileSystem::Default(). A table that may not be written (a
// read-only file, directory or file system) opens for reading, and its writes fail saying
// why ("Permission denied", "Read-only file system").
//
// Every operation on a table that is not open returns a non-ok Status (reads yield
// empty text); none of them crash.
//
// The engine moves text as bytes. Its callers write Windows-1252, so Create and every write of
// the header mark the table with that language driver.
//
// The header's last-update date comes from `clock` (the system clock when null), which
// must outlive the table.
class Table {
  public:
    explicit Table(const Clock* clock = nullptr);
    ~Table();  // closes, saving a pending row change
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Creates a new, empty table file, whole or not at all. Fails when the file exists
    // (IoError) or the layout is invalid (InvalidArgument).
    static Status Create(const std::string& path, const std::vector<FieldSpec>& fields,
                         const Clock* clock = nullptr);

    // Opens by full path through `fs`, reading only the header. Missing, unreadable, truncated
    // or malformed files, and anything but a regular file (a pipe, a device, a directory),
    // fail with NotFound, IoError or Corruption and leave the table closed. An open table has
    // no current row (Eof) until Top. A table opened ReadOnly is never written: its writes
    // fail. REQUIRES: fs outlives the open table.
    enum class Mode { ReadWrite, ReadOnly };
    Status Open(const std::string& path, Mode mode = Mode::ReadWrite,
                FileSystem& fs = FileSystem::Default());
    bool is_open() const;

    const std::vector<FieldSpec>& fields() const;
    // Field names match without regard to letter case, as dBASE does.
    FieldHandle Field(std::string_view name) const;

    // Removes rows marked deleted (a no-op when there are none) and leaves no current row.
    Status Pack();
    Status Top();
    Status Skip();  // one row forward; past the last row the table is at Eof
    // Makes row `record` (1 first, deleted rows counted) current; reads only that row when
    // it is not among the rows read last. Out of range: InvalidArgument, no current row.
    Status Go(int32_t record);
    // Writes a changed current row back now instead of when the table moves or closes.
    Status Flush();
    bool Eof() const;             // no current row
    int32_t RecordCount() const;  // rows in the file, deleted ones included
    bool Deleted() const;         // the current row carries the deletion flag

    // Starts preparing a new row: blank and not deleted (xBase would copy the current row,
    // deletion flag included; callers' Recall and Blank keep working either way). Moving or
    // closing before Append discards it.
    Status AppendStart();
    Status Recall();  // the row being prepared, or the current row, is not marked deleted
    Status Blank();   // every field of the row being prepared (or the current row) is blank
    Status Append();  // the prepared row is added at the end and becomes the current row
    Status Delete();  // marks the current row (or the row being prepared) deleted

    // Appends between BeginAppends and CommitAppends take effect together: the header's row
    // count is raised only by the commit, so until then readers, and the file after a crash,
    // hold none of them. DiscardAppends, or Close without a commit, removes them.
    Status BeginAppends();
    Status CommitAppends();
    Status DiscardAppends();

    // An exclusive advisory lock (flock) on the whole file, held until Close; waits while
    // another process holds it. REQUIRES: no other Table of this process holds it.
    Status LockAll();
    Status Close();

    // Field contents as stored: text padded with blanks, numbers right-aligned in their
    // decimal form, dates as "yyyymmdd"; all blanks at Eof; empty for an invalid handle.
    std::string FieldText(FieldHandle field) const;
    // The same bytes without a copy; valid until the table moves, writes the row or closes.
    std::string_view FieldView(FieldHandle field) const;
    // Text is cut or blank-padded to the field's width.
    Status AssignText(FieldHandle field, std::string_view text);
    // Written right-aligned in the field's width and decimals; a number that does not fit,
    // is not finite, or goes to a date field is refused (InvalidArgument) and the field
    // keeps its contents.
    Status AssignNumber(FieldHandle field, double value);
    // A whole number, written and refused the same way, exactly at any size.
    Status AssignInteger(FieldHandle field, int64_t value);

  private:
    class Impl;
    // Writes the text `format(width, decimals)` gives for the field; refused, showing the
    // number as `shown`, when it gives none (the number does not fit) or the field is a date.
    template <typename Format>
    Status AssignNumeric(FieldHandle field, const std::string& shown, Format format);
    const Clock* clock_;
    std::unique_ptr<Impl> impl_;  // null while closed
};

}  // namespace brevanta
