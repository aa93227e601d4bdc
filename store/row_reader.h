#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/date.h"
#include "core/status.h"
#include "store/identifiers.h"
#include "store/table_engine.h"

namespace brevanta {

// Reads typed fields of an open table's current row. The first failure sticks (later reads
// yield zero values) and names the table, the row (1 first, in reading order) and the field,
// so a damaged table can be found and fixed. REQUIRES: `table` outlives the reader.
class RowReader {
  public:
    RowReader(const Table& table, std::string table_name)
        : table_(table), table_name_(std::move(table_name)) {}

    const Status& status() const { return status_; }
    const std::string& table_name() const { return table_name_; }

    // The handle of a field the store needs; fails (Corruption) when the table lacks it.
    FieldHandle Field(std::string_view name);

    void SetRow(int row) { row_ = row; }
    int row() const { return row_; }

    // Decoded from Windows-1252; trailing blanks removed, leading blanks stay.
    std::string Text(FieldHandle field);
    // A decimal number; blank or malformed text fails.
    double Number(FieldHandle field);
    // A whole-number identifier ("12", or "12.00" in a field with decimals) within 64 bits;
    // anything else fails.
    template <Identifier IdType>
    IdType Id(FieldHandle field) {
        return static_cast<IdType>(IdentifierNumber(field));
    }
    // The same as a plain number, for scans that compare identifiers of any kind.
    IdNumber IdentifierNumber(FieldHandle field);
    // A performance figure: a number, "INF", "-INF", or "NAN" read as NotCalculated.
    float Figure(FieldHandle field);
    // "yyyymmdd" naming a real day; blank or malformed text fails.
    Date DateOf(FieldHandle field);
    // A decimal integer written as text (the column rows of sys.dbf).
    int32_t Integer(FieldHandle field);

  private:
    void Fail(FieldHandle field, std::string_view text, UserText what);

    const Table& table_;
    std::string table_name_;
    int row_ = 0;
    Status status_;
};

// Writes typed fields of the current row or the row being prepared. The first failure
// sticks and later writes are skipped, so callers assign numbers (which can be refused)
// before texts and check status() once. Texts are written in Windows-1252; one holding a
// character the code page lacks, or a control character, is refused (rewrites check theirs
// first: StorableTexts).
class RowWriter {
  public:
    RowWriter(Table& table, std::string table_name)
        : table_(table), table_name_(std::move(table_name)) {}

    const Status& status() const { return status_; }

    void Text(FieldHandle field, std::string_view text);
    void Number(FieldHandle field, double value);
    template <Identifier IdType>
    void Id(FieldHandle field, IdType id) {
        if (status_.ok()) Check(field, table_.AssignInteger(field, brevanta::Number(id)));
    }
    void DateOf(FieldHandle field, Date date);

  private:
    void Check(FieldHandle field, Status status);

    Table& table_;
    std::string table_name_;
    Status status_;
};

// Ok, or the refusal of the first text RowWriter::Text would refuse. Rewrites check their
// texts before writing any field, so that a refused text leaves the row as it was.
Status StorableTexts(std::initializer_list<std::string_view> texts);

// The text without trailing blanks, as every text field is read.
std::string_view TrimTrailingBlanks(std::string_view text);

// Numeric text of a table field (blanks around it allowed), converted as a finite number.
bool ParseTableNumber(std::string_view text, double& value);

}  // namespace brevanta
