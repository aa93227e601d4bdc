#include "core/number_format.h"

#include <cmath>

#include "core/decimal_digits.h"

namespace brevanta {

namespace {

// What a number pattern asks for. Characters that are not placeholders go before the number
// when they come before its first placeholder, after it otherwise.
struct NumberPattern {
    std::string prefix;
    std::string suffix;
    int min_integer_digits = 0;  // integer placeholders from the first '0' on
    int min_decimals = 0;        // fraction placeholders up to the last '0'
    int max_decimals = 0;
    bool grouping = false;
};

NumberPattern ParsePattern(std::string_view pattern) {
    NumberPattern parsed;
    bool in_number = false;
    bool after_point = false;
    for (const char c : pattern) {
        if (c == '#' || c == '0') {
            if (after_point) {
                ++parsed.max_decimals;
                if (c == '0') parsed.min_decimals = parsed.max_decimals;
            } else if (c == '0' || parsed.min_integer_digits > 0) {
                ++parsed.min_integer_digits;
            }
        } else if (c == '.' && !after_point) {
            after_point = true;
        } else if (c == ',') {
            parsed.grouping = parsed.grouping || !after_point;
        } else {
            (in_number ? parsed.suffix : parsed.prefix) += c;
            continue;
        }
        in_number = true;
    }
    return parsed;
}

std::string Grouped(const std::string& integer, char separator) {
    std::string grouped;
    for (size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) grouped += separator;
        grouped += integer[i];
    }
    return grouped;
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern, const Locale& locale) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    const NumberPattern parsed = ParsePattern(pattern);
    DecimalDigits decimal = DecimalDigits::Exact(value);
    decimal.RoundTo(decimal.point + parsed.max_decimals);

    std::string integer;
    for (int i = 0; i < decimal.point; ++i) integer += decimal.DigitAt(i);
    if (static_cast<int>(integer.size()) < parsed.min_integer_digits) {
        integer.insert(0, parsed.min_integer_digits - integer.size(), '0');
    }
    if (parsed.grouping) integer = Grouped(integer, locale.thousand_separator);

    std::string fraction;
    for (int i = 0; i < parsed.max_decimals; ++i) fraction += decimal.DigitAt(decimal.point + i);
    while (static_cast<int>(fraction.size()) > parsed.min_decimals && fraction.back() == '0') {
        fraction.pop_back();
    }

    std::string text = decimal.negative ? "-" : "";
    text += parsed.prefix + integer;
    if (!fraction.empty()) text += locale.decimal_separator + fraction;
    return text + parsed.suffix;
}

}  // namespace brevanta
