#include "store/row_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

#include "core/blanks.h"
#include "core/control_characters.h"
#include "core/windows_1252.h"
#include "store/records.h"

namespace brevanta {

// Eight blanks at a time: text fields are mostly padding.
std::string_view TrimTrailingBlanks(std::string_view text) {
    constexpr uint64_t kEightBlanks = 0x2020202020202020;
    size_t end = text.size();
    while (end >= sizeof kEightBlanks) {
        uint64_t bytes;
        std::memcpy(&bytes, text.data() + end - sizeof bytes, sizeof bytes);
        if (bytes != kEightBlanks) break;
        end -= sizeof bytes;
    }
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end);
}

bool ParseTableNumber(std::string_view text, double& value) {
    const std::string_view digits = TrimBlanks(text);
    if (digits.empty()) return false;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    return error == std::errc() && stop == end && std::isfinite(value);
}

Status StorableTexts(std::initializer_list<std::string_view> texts) {
    for (std::string_view text : texts) {
        if (Status status = RefuseControlCharacters(text); !status.ok()) return status;
        if (Status status = EncodeWindows1252(text).status(); !status.ok()) return status;
    }
    return Status::Ok();
}

namespace {

const std::string& FieldName(const Table& table, FieldHandle field) {
    return table.fields()[static_cast<size_t>(field.index())].name;
}

// Numeric text of an identifier field: a whole number within 64 bits, parsed as such so that
// no digit is lost; zero decimals are allowed (a field with decimals holds "12.00").
bool ParseTableIdentifier(std::string_view text, IdNumber& value) {
    const std::string_view digits = TrimBlanks(text);
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc()) return false;
    if (stop == end) return true;
    return *stop == '.' && std::all_of(stop + 1, end, [](char c) { return c == '0'; });
}

}  // namespace

FieldHandle RowReader::Field(std::string_view name) {
    const FieldHandle handle = table_.Field(name);
    if (!handle.valid() && status_.ok()) {
        status_ =
            Status::Corruption(Message(BREVANTA_TEXT("Store", "%1: the table has no field %2"),
                                       {table_name_, std::string(name)}));
    }
    return handle;
}

void RowReader::Fail(FieldHandle field, std::string_view text, UserText what) {
    if (!status_.ok()) return;
    status_ =
        Status::Corruption(Message(BREVANTA_TEXT("Store", "%1, row %2, field %3: \"%4\" is not %5"),
                                   {table_name_, std::to_string(row_), FieldName(table_, field),
                                    DecodeWindows1252(TrimTrailingBlanks(text)), Message(what)}));
}

std::string RowReader::Text(FieldHandle field) {
    return DecodeWindows1252(TrimTrailingBlanks(table_.FieldView(field)));
}

double RowReader::Number(FieldHandle field) {
    const std::string_view text = table_.FieldView(field);
    double number = 0;
    if (!ParseTableNumber(text, number)) Fail(field, text, BREVANTA_TEXT("Store", "a number"));
    return number;
}

IdNumber RowReader::IdentifierNumber(FieldHandle field) {
    const std::string_view text = table_.FieldView(field);
    IdNumber number = 0;
    if (!ParseTableIdentifier(text, number)) {
        Fail(field, text, BREVANTA_TEXT("Store", "an identifier"));
        return 0;
    }
    return number;
}

float RowReader::Figure(FieldHandle field) {
    const std::string_view text = table_.FieldView(field);
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed == "NAN") return NotCalculated;
    if (trimmed == "INF") return std::numeric_limits<float>::infinity();
    if (trimmed == "-INF") return -std::numeric_limits<float>::infinity();
    double number = 0;
    if (!ParseTableNumber(trimmed, number)) Fail(field, text, BREVANTA_TEXT("Store", "a figure"));
    return static_cast<float>(number);
}

Date RowReader::DateOf(FieldHandle field) {
    const std::string_view text = table_.FieldView(field);
    const std::optional<Date> date = Date::ParseYyyymmdd(text);
    if (!date) Fail(field, text, BREVANTA_TEXT("Store", "a date (yyyymmdd)"));
    return date.value_or(NoDate);
}

int32_t RowReader::Integer(FieldHandle field) {
    const std::string_view text = table_.FieldView(field);
    const std::string_view digits = TrimBlanks(text);
    const char* end = digits.data() + digits.size();
    int32_t value = 0;
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end)
        Fail(field, text, BREVANTA_TEXT("Store", "a whole number"));
    return value;
}

void RowWriter::Check(FieldHandle field, Status status) {
    if (status.ok()) return;
    const std::string name = field.valid() ? FieldName(table_, field) : "?";
    status_ =
        Prefixed(Message(BREVANTA_TEXT("Store", "%1, field %2"), {table_name_, name}), status);
}

void RowWriter::Text(FieldHandle field, std::string_view text) {
    if (!status_.ok()) return;
    if (Status refused = RefuseControlCharacters(text); !refused.ok()) {
        Check(field, refused);
        return;
    }
    const Windows1252Text encoded = EncodeWindows1252(text);
    Check(field, encoded.refused ? encoded.status() : table_.AssignText(field, encoded.bytes));
}

void RowWriter::Number(FieldHandle field, double value) {
    if (status_.ok()) Check(field, table_.AssignNumber(field, value));
}

void RowWriter::DateOf(FieldHandle field, Date date) {
    if (status_.ok()) Check(field, table_.AssignText(field, date.ToYyyymmdd()));
}

}  // namespace brevanta
