#include "exchange/fixed_line_format.h"

#include "core/date_format.h"
#include "core/number_parse.h"
#include "core/text_file.h"
#include "exchange/line_reader.h"
#include "exchange/text_fields.h"

namespace brevanta {

namespace {

constexpr UserText kDateFormats = BREVANTA_TEXT("Exchange", "M/d/yyyy, M/d/yy or yyyy-MM-dd");
constexpr UserText kNotATypeCode = BREVANTA_TEXT("Exchange", "%1 in column 2 is not CC, DI or WI");
constexpr UserText kAmountGoesOn =
    BREVANTA_TEXT("Exchange", "the amount in column %1 goes on in column %2 (%3)");
constexpr int kDateColumn = 1;
constexpr int kTypeColumn = 2;

// Month first as exported (a two-digit year too), or yyyy-mm-dd.
std::optional<Date> FixedDate(const std::string& text) {
    static const Locale kIsoDates = [] {
        Locale iso;
        iso.short_date_format = "yyyy/mm/dd";
        iso.date_separator = '-';
        return iso;
    }();
    std::optional<Date> date = ParseShortDate(text, Locale::EnUs());
    if (!date) date = ParseShortDate(text, kIsoDates, YearDigits::Four);
    return date;
}

bool IsTypeCode(const std::string& text) {
    return text == CashContributionCode || text == DividendReinvestedCode || text == WithdrawalCode;
}

// A field after a number that starts with a digit is the rest of a number written with a
// comma ("1,000.00 USD", "12,50 EUR", "2,500.00-", "3,000."), which must not be read as its
// first part, whatever follows the digit.
bool ContinuesTheNumber(std::string_view field) {
    return !field.empty() && field.front() >= '0' && field.front() <= '9';
}

// The three lines an export of transactions or values starts with.
bool IsExportHeaderLine(std::string_view line, std::size_t number) {
    switch (number) {
        case 1:
            return line.starts_with(kExportPortfolioLabel);
        case 2:
            return line.starts_with(kExportHoldingLabel);
        case 3:
            return line == std::string(kExportHyphens, '-');
        default:
            return false;
    }
}

}  // namespace

std::optional<ImportedLine> FixedLineFormat::Read(std::string_view bytes, std::size_t number) {
    const std::string text = decoder_.Decode(bytes, number);
    if (TrimControls(text).empty() || IsExportHeaderLine(text, number)) return std::nullopt;
    const std::string line = UnquotedLine(text);
    const int amount_column = kind_ == ImportKind::Transactions ? 3 : 2;
    ImportedLine imported{number, std::nullopt, {}};
    ImportedEntry& entry = imported.entry;

    const std::string date = ImportField(line, kDateColumn);
    const std::string type =
        kind_ == ImportKind::Transactions ? ImportField(line, kTypeColumn) : "";
    const std::string amount = ImportField(line, amount_column);
    const std::string after = ImportField(line, amount_column + 1);
    const std::optional<Date> day = FixedDate(date);
    const std::optional<double> number_read = ParseNumber(amount, Locale::EnUs());
    if (!day) {
        imported.refusal = NotADate(date, kDateColumn, kDateFormats);
    } else if (kind_ == ImportKind::Transactions && !IsTypeCode(type)) {
        imported.refusal =
            type.empty() ? EmptyColumn(EntryField::Type, kTypeColumn)
                         : Refusal{EntryField::Type, Message(kNotATypeCode, {QuotedField(type)})};
    } else if (!number_read) {
        imported.refusal = NotAnAmount(amount, amount_column);
    } else if (ContinuesTheNumber(after)) {
        imported.refusal = Refusal{
            EntryField::Amount,
            Message(kAmountGoesOn, {std::to_string(amount_column),
                                    std::to_string(amount_column + 1), QuotedField(after)})};
    } else {
        entry.date = *day;
        entry.type = type;
        entry.amount = *number_read;
    }
    return imported;
}

Message FixedLineFormat::Expected() const {
    return kind_ == ImportKind::Transactions
               ? BREVANTA_TEXT("Exchange",
                               "holds a date, a type code (CC, DI or WI) and an amount above 0")
               : BREVANTA_TEXT("Exchange", "holds a date and a value above 0");
}

bool FixedLineFormat::Recognises(const std::filesystem::path& path, ImportKind kind) {
    bool recognised = false;
    ReadFile(path, [&](std::istream& in) {
        FixedLineFormat format(kind);
        LineReader reader(in);
        std::string bytes;
        for (std::size_t number = 1; !recognised && reader.Next(&bytes); ++number) {
            const std::optional<ImportedLine> line = format.Read(bytes, number);
            recognised = line && !line->refusal;
        }
        return Status::Ok();
    });
    return recognised;
}

}  // namespace brevanta
