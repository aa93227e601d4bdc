#include "exchange/import_line_format.h"

#include "core/date_format.h"
#include "core/number_format.h"
#include "core/windows_1252.h"

namespace brevanta {

namespace {

constexpr UserText kEmptyColumn = BREVANTA_TEXT("Exchange", "column %1 is empty");
constexpr UserText kNotADate = BREVANTA_TEXT("Exchange", "%1 in column %2 is not a date in %3");
constexpr UserText kNotAnAmount = BREVANTA_TEXT("Exchange", "%1 in column %2 is not an amount");
constexpr std::size_t kLongestQuote = 40;

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

std::string LineDecoder::Decode(std::string_view bytes, std::size_t number) {
    const bool marked = number == 1 && bytes.starts_with(kByteOrderMark);
    if (marked) {
        bytes.remove_prefix(kByteOrderMark.size());
        if (!encoding_) encoding_ = TextEncoding::Utf8;
    }
    if (!encoding_) encoding_ = TextEncoding::Windows1252;
    return encoding_ == TextEncoding::Utf8 ? std::string(bytes) : DecodeWindows1252(bytes);
}

Refusal EmptyColumn(EntryField field, int column) {
    return {field, Message(kEmptyColumn, {std::to_string(column)})};
}

Refusal NotADate(std::string_view text, int column, Message formats) {
    if (text.empty()) return EmptyColumn(EntryField::Date, column);
    return {EntryField::Date,
            Message(kNotADate, {QuotedField(text), std::to_string(column), std::move(formats)})};
}

Refusal NotAnAmount(std::string_view text, int column) {
    if (text.empty()) return EmptyColumn(EntryField::Amount, column);
    return {EntryField::Amount, Message(kNotAnAmount, {QuotedField(text), std::to_string(column)})};
}

std::string QuotedField(std::string_view text) {
    if (text.size() <= kLongestQuote) return "\"" + std::string(text) + "\"";
    std::size_t cut = kLongestQuote;
    while (cut > 0 && !StartsCharacter(text[cut])) --cut;
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

std::vector<std::string> ImportedEntryFields(const ImportedEntry& entry) {
    std::vector<std::string> fields = {FormatDate(entry.date, "yyyy-mm-dd")};
    if (!entry.type.empty()) fields.push_back(entry.type);
    fields.push_back(FormatNumber(entry.amount, "0.00"));
    return fields;
}

}  // namespace brevanta
