#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/records.h"
#include "store/row_reader.h"

namespace brevanta {

// The field handles of one table and the conversions between its rows and records. Bind
// once per opened table (a missing field fails the reader), then read or write any number
// of rows. Failures stick in the reader or writer.

// The performance date and figure fields shared by port.dbf and holding.dbf.
class FigureFields {
  public:
    // `names`: every figure field of the table in stored order (kHoldingFigureFields or
    // kPortfolioFigureFields).
    void Bind(RowReader& reader, const std::vector<std::string>& names);
    Date ReadDate(RowReader& reader) const { return reader.DateOf(performance_date_); }
    // The figures, and INCD into *inception_dollar when the table has it and it is given, read
    // in stored order (so a failure names the first malformed field).
    FigureValues ReadFigures(RowReader& reader, float* inception_dollar = nullptr) const;
    // Every figure field (INCD included) as "999999" and PERFDATE as "19000101".
    void WriteNotCalculated(RowWriter& writer) const;
    // PERFDATE and the figures as float-to-text; INCD is left as it is.
    void WriteFigures(RowWriter& writer, const PerformanceFigures& figures) const;

  private:
    FieldHandle performance_date_;
    // Every figure field in stored order with the figure it holds; none for INCD.
    std::vector<std::pair<FieldHandle, std::optional<Figure>>> stored_;
    std::array<FieldHandle, kFigureCount> figures_{};  // by Figure
};

struct PortfolioRows {
    void Bind(RowReader& reader);
    PortfolioRecord Read(RowReader& reader) const;
    void WriteNew(RowWriter& writer, Pid id, const std::string& name,
                  const std::string& description) const;
    void WriteNames(RowWriter& writer, const std::string& name,
                    const std::string& description) const;

    FieldHandle id, name, description;
    FigureFields figures;
};

struct HoldingRows {
    void Bind(RowReader& reader);
    HoldingRecord Read(RowReader& reader) const;
    // A new row: portfolio, texts, inception and amount from the record, not calculated.
    void WriteNew(RowWriter& writer, Hid id, const HoldingRecord& record) const;
    void WriteChanges(RowWriter& writer, const HoldingChanges& changes) const;

    FieldHandle id, portfolio_id, name, description, inception_date, initial_amount;
    FigureFields figures;
};

// The identifier, investment, portfolio and date fields that lead Trans.dbf and value.dbf.
struct HistoryKeyFields {
    void BindKeys(RowReader& reader, const char* id_name, const char* date_name);
    template <typename Record>
    void ReadKeys(RowReader& reader, Record& record) const {
        record.Id = reader.Id<decltype(record.Id)>(id);
        record.HoldingId = reader.Id<Hid>(holding_id);
        record.PortfolioId = reader.Id<Pid>(portfolio_id);
        record.Date = reader.DateOf(date);
    }
    // The three identifiers of a new row; the date goes with the other changeable fields.
    template <typename Record>
    void WriteIdentifiers(RowWriter& writer, decltype(Record::Id) new_id,
                          const Record& record) const {
        writer.Id(id, new_id);
        writer.Id(holding_id, record.HoldingId);
        writer.Id(portfolio_id, record.PortfolioId);
    }

    FieldHandle id, holding_id, portfolio_id, date;
};

struct TransactionRows : HistoryKeyFields {
    void Bind(RowReader& reader);
    TransactionRecord Read(RowReader& reader) const;
    void WriteNew(RowWriter& writer, Tid id, const TransactionRecord& record) const;
    void WriteChanges(RowWriter& writer, const TransactionChanges& changes) const;

    FieldHandle type, amount, description;
};

struct ValueRows : HistoryKeyFields {
    void Bind(RowReader& reader);
    ValueRecord Read(RowReader& reader) const;
    void WriteNew(RowWriter& writer, Vid id, const ValueRecord& record) const;
    void WriteChanges(RowWriter& writer, const ValueChanges& changes) const;

    FieldHandle value;
};

struct SettingRows {
    void Bind(RowReader& reader);
    SettingRecord Read(RowReader& reader) const;
    void WriteValues(RowWriter& writer, const SettingChanges& changes) const;
    // Val2..Val4 from Visible, Width, Position.
    void WriteColumn(RowWriter& writer, const ColumnChanges& changes) const;

    FieldHandle key;
    std::array<FieldHandle, 4> values{};
    FieldHandle date1;
};

}  // namespace brevanta
