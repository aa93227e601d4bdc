#include "exchange/mapped_line_format.h"

#include <cassert>
#include <cmath>
#include <utility>

namespace brevanta {

namespace {

constexpr UserText kBothDebitAndCredit =
    BREVANTA_TEXT("Exchange", "both debit and credit hold an amount");
constexpr UserText kNeitherDebitNorCredit =
    BREVANTA_TEXT("Exchange", "neither debit nor credit holds an amount");
constexpr UserText kTypeNotMapped =
    BREVANTA_TEXT("Exchange", "%1 in column %2 is not mapped to a type");
constexpr UserText kOnlyWithdrawalsNegative =
    BREVANTA_TEXT("Exchange", "the amount is negative, and only WI may be; %1 is mapped to %2");

}  // namespace

MappedLineFormat::MappedLineFormat(ImportKind kind, ImportMapping mapping)
    : kind_(kind), mapping_(std::move(mapping)), decoder_(mapping_.encoding) {
    assert(mapping_.encoding && mapping_.date_format && MappingFitsKind(mapping_, kind_).ok());
}

const std::string& MappedLineFormat::Field(int column) const {
    static const std::string kNone;
    const auto index = static_cast<std::size_t>(column - 1);
    return index < fields_.size() ? fields_[index] : kNone;
}

std::optional<ImportedLine> MappedLineFormat::Read(std::string_view bytes, std::size_t number) {
    if (number <= mapping_.skip) return std::nullopt;
    fields_ = DelimitedFields(decoder_.Decode(bytes, number), mapping_.delimiter);
    if (AllFieldsEmpty(fields_)) return std::nullopt;

    ImportedLine line{number, std::nullopt, {}};
    const std::string& date_text = Field(mapping_.date_column);
    const std::optional<Date> date = ReadImportDate(date_text, *mapping_.date_format);
    if (!date) {
        line.refusal = NotADate(date_text, mapping_.date_column,
                                std::string(ImportDateFormatName(*mapping_.date_format)));
        return line;
    }
    const std::optional<double> amount = SignedAmount(line);
    if (!amount) return line;
    if (kind_ == ImportKind::Transactions) {
        std::optional<std::string> type = TypeCode(*amount, line);
        if (!type) return line;
        // A withdrawal is stored as the positive amount taken out.
        line.entry.type = std::move(*type);
        line.entry.amount = std::fabs(*amount);
    } else {
        line.entry.amount = *amount;
    }
    line.entry.date = *date;
    // Historical values have no description to store.
    if (kind_ == ImportKind::Transactions && mapping_.description_column) {
        line.entry.description = Field(*mapping_.description_column);
    }
    return line;
}

std::optional<double> MappedLineFormat::SignedAmount(ImportedLine& line) const {
    const auto read = [&](int column) -> std::optional<double> {
        const std::optional<double> amount = ReadAmount(Field(column), mapping_.separators);
        if (!amount) line.refusal = NotAnAmount(Field(column), column);
        return amount;
    };
    if (mapping_.amount_column) return read(*mapping_.amount_column);

    // An empty field or a 0 counts as no entry in its column.
    const auto entered = [&](int column) -> std::optional<double> {
        if (Field(column).empty()) return 0.0;
        return read(column);
    };
    const std::optional<double> debit = entered(*mapping_.debit_column);
    const std::optional<double> credit = debit ? entered(*mapping_.credit_column) : std::nullopt;
    if (!debit || !credit) return std::nullopt;
    if (*debit != 0 && *credit != 0) {
        line.refusal = Refusal{EntryField::Amount, kBothDebitAndCredit};
        return std::nullopt;
    }
    if (*debit == 0 && *credit == 0) {
        line.refusal = Refusal{EntryField::Amount, kNeitherDebitNorCredit};
        return std::nullopt;
    }
    // The debit column's sign says nothing: every debit takes money out.
    return *credit != 0 ? *credit : -std::fabs(*debit);
}

std::optional<std::string> MappedLineFormat::TypeCode(double amount, ImportedLine& line) const {
    if (mapping_.type_from_sign) return amount < 0 ? WithdrawalCode : CashContributionCode;
    const int column = *mapping_.type_column;
    const std::string& text = Field(column);
    const auto code = mapping_.type_codes.find(text);
    if (code == mapping_.type_codes.end()) {
        line.refusal =
            text.empty()
                ? EmptyColumn(EntryField::Type, column)
                : Refusal{EntryField::Type,
                          Message(kTypeNotMapped, {QuotedField(text), std::to_string(column)})};
        return std::nullopt;
    }
    if (amount < 0 && code->second != WithdrawalCode) {
        line.refusal = Refusal{EntryField::Amount, Message(kOnlyWithdrawalsNegative,
                                                           {QuotedField(text), code->second})};
        return std::nullopt;
    }
    return code->second;
}

Status MappingFitsKind(const ImportMapping& mapping, ImportKind kind) {
    if (kind == ImportKind::Transactions && !mapping.type_column && !mapping.type_from_sign) {
        return Status::InvalidArgument(BREVANTA_TEXT(
            "Exchange", "A mapping for transactions needs \"type\" or \"type_from_sign\"."));
    }
    if (kind == ImportKind::HistoricalValues && !mapping.amount_column) {
        return Status::InvalidArgument(BREVANTA_TEXT(
            "Exchange", "A mapping for historical values takes the value from \"amount\"."));
    }
    return Status::Ok();
}

}  // namespace brevanta
