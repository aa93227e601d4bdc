#include "core/number_parse.h"

#include <charconv>
#include <string>

#include "core/blanks.h"

namespace brevanta {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Copies the digits starting at pos into plain; returns how many there were.
int TakeDigits(std::string_view text, size_t& pos, std::string& plain) {
    int count = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++count) plain += text[pos];
    return count;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, const Locale& locale) {
    text = TrimBlanks(text);
    // Rewritten with '.' as the point and no '+', validated here because from_chars would
    // also take "inf", "nan" and hexadecimal forms.
    std::string plain;
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') plain += '-';
        ++pos;
    }
    int mantissa_digits = TakeDigits(text, pos, plain);
    if (pos < text.size() && text[pos] == locale.decimal_separator) {
        plain += '.';
        ++pos;
        mantissa_digits += TakeDigits(text, pos, plain);
    }
    if (mantissa_digits == 0) return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        plain += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) plain += text[pos++];
        if (TakeDigits(text, pos, plain) == 0) return std::nullopt;
    }
    if (pos != text.size()) return std::nullopt;

    double value = 0;
    const auto parsed = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (parsed.ec != std::errc() || parsed.ptr != plain.data() + plain.size()) return std::nullopt;
    return value;
}

}  // namespace brevanta
