#include "store/table_rows.h"

#include <algorithm>

#include "core/float_text.h"
#include "store/table_layouts.h"

namespace brevanta {

namespace {

constexpr const char* kNoDateText = "19000101";

}  // namespace

void FigureFields::Bind(RowReader& reader, const std::vector<std::string>& names) {
    performance_date_ = reader.Field("PERFDATE");
    for (size_t i = 0; i < figures_.size(); ++i) figures_[i] = reader.Field(kFigureFields[i]);
    stored_.clear();
    for (const std::string& name : names) {
        const auto figure = std::find(kFigureFields.begin(), kFigureFields.end(), name);
        stored_.emplace_back(
            reader.Field(name),
            figure == kFigureFields.end()
                ? std::nullopt
                : std::optional(static_cast<Figure>(figure - kFigureFields.begin())));
    }
}

FigureValues FigureFields::ReadFigures(RowReader& reader, float* inception_dollar) const {
    FigureValues figures;
    for (const auto& [field, figure] : stored_) {
        const float value = reader.Figure(field);
        if (figure) {
            figures[*figure] = value;
        } else if (inception_dollar) {
            *inception_dollar = value;
        }
    }
    return figures;
}

void FigureFields::WriteNotCalculated(RowWriter& writer) const {
    writer.Text(performance_date_, kNoDateText);
    for (const auto& [field, figure] : stored_) writer.Text(field, NotCalculatedText);
}

void FigureFields::WriteFigures(RowWriter& writer, const PerformanceFigures& figures) const {
    writer.DateOf(performance_date_, figures.PerformanceDate);
    for (size_t i = 0; i < figures_.size(); ++i) {
        writer.Text(figures_[i], FloatToText(figures.Figures.values[i]));
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
    record.Figures = figures.ReadFigures(reader, &record.InceptionDollar);
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
    record.Figures = figures.ReadFigures(reader);
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

void HoldingRows::WriteChanges(RowWriter& writer, const HoldingChanges& changes) const {
    if (changes.InitialAmount) writer.Number(initial_amount, *changes.InitialAmount);
    if (changes.Name) writer.Text(name, *changes.Name);
    if (changes.Description) writer.Text(description, *changes.Description);
    if (changes.InceptionDate) writer.DateOf(inception_date, *changes.InceptionDate);
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

void TransactionRows::WriteChanges(RowWriter& writer, const TransactionChanges& changes) const {
    if (changes.Amount) writer.Number(amount, *changes.Amount);
    if (changes.Date) writer.DateOf(date, *changes.Date);
    if (changes.Type) writer.Text(type, *changes.Type);
    if (changes.Description) writer.Text(description, *changes.Description);
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
    WriteChanges(writer, {record.Date, record.Value});
}

void ValueRows::WriteChanges(RowWriter& writer, const ValueChanges& changes) const {
    if (changes.Value) writer.Number(value, *changes.Value);
    if (changes.Date) writer.DateOf(date, *changes.Date);
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

void SettingRows::WriteValues(RowWriter& writer, const SettingChanges& changes) const {
    const std::array<const std::optional<std::string>*, 4> texts = {&changes.Val1, &changes.Val2,
                                                                    &changes.Val3, &changes.Val4};
    for (size_t i = 0; i < texts.size(); ++i) {
        if (*texts[i]) writer.Text(values[i], **texts[i]);
    }
}

void SettingRows::WriteColumn(RowWriter& writer, const ColumnChanges& changes) const {
    const std::array<const std::optional<int32_t>*, 3> numbers = {&changes.Visible, &changes.Width,
                                                                  &changes.Position};
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (*numbers[i]) writer.Text(values[i + 1], std::to_string(**numbers[i]));
    }
}

}  // namespace brevanta
