#include "exchange/mapped_fields.h"

#include <algorithm>

#include "core/number_parse.h"
#include "exchange/text_fields.h"

namespace brevanta {

namespace {

constexpr char kQuote = '"';
constexpr std::size_t kGroupDigits = 3;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7f'; }

// Moves `at` past the digits there; returns how many it passed.
std::size_t SkipDigits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at - start;
}

// The field that starts at `at`, moving `at` onto the delimiter that ends it (or the end).
std::string NextField(std::string_view line, char delimiter, std::size_t& at) {
    while (at < line.size() && line[at] != delimiter && IsBlankOrControl(line[at])) ++at;
    std::string field;
    if (at < line.size() && line[at] == kQuote) {
        for (++at; at < line.size(); ++at) {
            if (line[at] != kQuote) {
                field += line[at];
            } else if (at + 1 < line.size() && line[at + 1] == kQuote) {
                field += kQuote;
                ++at;
            } else {
                ++at;
                break;
            }
        }
    }
    const std::size_t end = std::min(line.find(delimiter, at), line.size());
    field += line.substr(at, end - at);
    at = end;
    return std::string(TrimControls(field));
}

}  // namespace

std::vector<std::string> DelimitedFields(std::string_view line, char delimiter) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    fields.push_back(NextField(line, delimiter, at));
    while (at < line.size()) {
        ++at;  // the delimiter
        fields.push_back(NextField(line, delimiter, at));
    }
    return fields;
}

bool AllFieldsEmpty(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return field.empty(); });
}

std::optional<double> ReadAmount(std::string_view text, const AmountSeparators& separators) {
    std::string plain;  // the number as ParseNumber reads it
    std::size_t at = 0;
    if (!text.empty() && text[0] == '-') {
        plain += '-';
        ++at;
    }
    const std::size_t whole_start = at;
    const std::size_t leading = SkipDigits(text, at);
    if (leading == 0) return std::nullopt;
    if (separators.grouping && at < text.size() && text[at] == *separators.grouping) {
        if (leading > kGroupDigits) return std::nullopt;
        while (at < text.size() && text[at] == *separators.grouping) {
            ++at;
            if (SkipDigits(text, at) != kGroupDigits) return std::nullopt;
        }
    }
    for (char c : text.substr(whole_start, at - whole_start)) {
        if (IsDigit(c)) plain += c;
    }
    if (at < text.size() && text[at] == separators.decimal) {
        ++at;
        const std::size_t fraction_start = at;
        if (SkipDigits(text, at) == 0) return std::nullopt;
        plain += '.';
        plain += text.substr(fraction_start, at - fraction_start);
    }
    if (at != text.size()) return std::nullopt;
    return ParseNumber(plain);
}

}  // namespace brevanta
