#include "store/table_rows.h"

#include "core/float_text.h"
#include "store/table_layouts.h"

namespace brevanta {

namespace {

constexpr const char* kNoDateText = "19000101";

}  // namespace

void FigureFields::Bind(RowReader& reader, const std::vector<std::string>& names) {
    performance_date_ = reader.Field("PERFDATE");
    figures_.clear();
    for (const std::string& name : names) figures_.push_back(reader.Field(name));
    for (int i = 0; i < kHoldingFigureCount; ++i) {
        holding_form_[static_cast<size_t>(i)] =
            reader.Field(kHoldingFigureFields[static_cast<size_t>(i)]);
    }
}

void FigureFields::ReadFigures(RowReader& reader, float* figures) const {
    for (size_t i = 0; i < figures_.size(); ++i) figures[i] = reader.Figure(figures_[i]);
}

void FigureFields::WriteNotCalculated(RowWriter& writer) const {
    writer.Text(performance_date_, kNoDateText);
    for (FieldHandle field : figures_) writer.Text(field, NotCalculatedText);
}

void FigureFields::WriteFigures(RowWriter& writer, const PerformanceFigures& figures) const {
    writer.DateOf(performance_date_, figures.PerformanceDate);
    for (size_t i = 0; i < holding_form_.size(); ++i) {
        writer.Text(holding_form_[i], FloatToText(figures.Figures[i]));
    }
}

void PortfolioRows::Bind(RowReader& reader) {
    id = reader.Field("PID");
    name = reader.Field("PNAME");
    description = reader.Field("PDESC");
    figures.Bind(reader, kPortfolioFigureFields);
}

PortfolioRecord PortfolioRows::Read(RowReader& reader) const {
    PortfolioRecord record;
    record.Id = reader.Id<Pid>(id);
    record.Name = reader.Text(name);
    record.Description = reader.Text(description);
    record.PerformanceDate = figures.ReadDate(reader);
    figures.ReadFigures(reader, record.Figures.data());
    return record;
}

void PortfolioRows::WriteNew(RowWriter& writer, Pid new_id, const std::string& new_name,
                             const std::string& new_description) const {
    writer.Id(id, new_id);
    WriteNames(writer, new_name, new_description);
    figures.WriteNotCalculated(writer);
}

void PortfolioRows::WriteNames(RowWriter& writer, const std::string& new_name,
                               const std::string& new_description) const {
    writer.Text(name, new_name);
    writer.Text(description, new_description);
}

void HoldingRows::Bind(RowReader& reader) {
    id = reader.Field("HID");
    portfolio_id = reader.Field("PID");
    name = reader.Field("HNAME");
    description = reader.Field("HDESC");
    inception_date = reader.Field("INCDATE");
    initial_amount = reader.Field("INCAMT");
    figures.Bind(reader, kHoldingFigureFields);
}

HoldingRecord HoldingRows::Read(RowReader& reader) const {
    HoldingRecord record;
    record.Id = reader.Id<Hid>(id);
    record.PortfolioId = reader.Id<Pid>(portfolio_id);
    record.Name = reader.Text(name);
    record.Description = reader.Text(description);
    record.InceptionDate = reader.DateOf(inception_date);
    record.InitialAmount = reader.Number(initial_amount);
    record.PerformanceDate = figures.ReadDate(reader);
    figures.ReadFigures(reader, record.Figures.data());
    return record;
}

void HoldingRows::WriteNew(RowWriter& writer, Hid new_id, const HoldingRecord& record) const {
    writer.Id(id, new_id);
    writer.Id(portfolio_id, record.PortfolioId);
    writer.Number(initial_amount, record.InitialAmount);
    writer.Text(name, record.Name);
    writer.Text(description, record.Description);
    writer.DateOf(inception_date, record.InceptionDate);
    figures.WriteNotCalculated(writer);
}

void HoldingRows::WriteDetails(RowWriter& writer, const HoldingRecord& record) const {
    if (record.InitialAmount != UnchangedAmount)
        writer.Number(initial_amount, record.InitialAmount);
    if (record.Name != UnchangedText) writer.Text(name, record.Name);
    if (record.Description != UnchangedText) writer.Text(description, record.Description);
    writer.DateOf(inception_date, record.InceptionDate);
}

void HistoryKeyFields::BindKeys(RowReader& reader, const char* id_name, const char* date_name) {
    id = reader.Field(id_name);
    holding_id = reader.Field("HID");
    portfolio_id = reader.Field("PID");
    date = reader.Field(date_name);
}

void TransactionRows::Bind(RowReader& reader) {
    BindKeys(reader, "TID", "TRANSDATE");
    type = reader.Field("TRANSTYPE");
    amount = reader.Field("AMT");
    description = reader.Field("TDESC");
}

TransactionRecord TransactionRows::Read(RowReader& reader) const {
    TransactionRecord record;
    ReadKeys(reader, record);
    record.Type = reader.Text(type);
    record.Amount = reader.Number(amount);
    record.Description = reader.Text(description);
    return record;
}

void TransactionRows::WriteNew(RowWriter& writer, Tid new_id,
                               const TransactionRecord& record) const {
    WriteIdentifiers(writer, new_id, record);
    writer.Number(amount, record.Amount);
    writer.DateOf(date, record.Date);
    writer.Text(type, record.Type);
    writer.Text(description, record.Description);
}

void TransactionRows::WriteChanges(RowWriter& writer, const TransactionRecord& record) const {
    if (record.Amount != UnchangedAmount) writer.Number(amount, record.Amount);
    writer.DateOf(date, record.Date);
    if (record.Type != UnchangedText) writer.Text(type, record.Type);
    writer.Text(description, record.Description);
}

void ValueRows::Bind(RowReader& reader) {
    BindKeys(reader, "VID", "DATE");
    value = reader.Field("VALUE");
}

ValueRecord ValueRows::Read(RowReader& reader) const {
    ValueRecord record;
    ReadKeys(reader, record);
    record.Value = reader.Number(value);
    return record;
}

void ValueRows::WriteNew(RowWriter& writer, Vid new_id, const ValueRecord& record) const {
    WriteIdentifiers(writer, new_id, record);
    WriteChanges(writer, record);
}

void ValueRows::WriteChanges(RowWriter& writer, const ValueRecord& record) const {
    writer.Number(value, record.Value);
    writer.DateOf(date, record.Date);
}

void SettingRows::Bind(RowReader& reader) {
    key = reader.Field("KEY");
    values = {reader.Field("VAL1"), reader.Field("VAL2"), reader.Field("VAL3"),
              reader.Field("VAL4")};
    date1 = reader.Field("DATE1");
}

SettingRecord SettingRows::Read(RowReader& reader) const {
    SettingRecord record;
    record.Key = reader.Text(key);
    record.Val1 = reader.Text(values[0]);
    record.Val2 = reader.Text(values[1]);
    record.Val3 = reader.Text(values[2]);
    record.Val4 = reader.Text(values[3]);
    record.Date1 = reader.DateOf(date1);
    return record;
}

void SettingRows::WriteValues(RowWriter& writer, const SettingRecord& record) const {
    const std::array<const std::string*, 4> texts = {&record.Val1, &record.Val2, &record.Val3,
                                                     &record.Val4};
    for (size_t i = 0; i < texts.size(); ++i) {
        if (*texts[i] != UnchangedText) writer.Text(values[i], *texts[i]);
    }
}

void SettingRows::WriteColumn(RowWriter& writer, const ColumnRecord& record) const {
    const std::array<int32_t, 3> numbers = {record.Visible, record.Width, record.Position};
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] != UnchangedNumber) writer.Text(values[i + 1], std::to_string(numbers[i]));
    }
}

}  // namespace brevanta
