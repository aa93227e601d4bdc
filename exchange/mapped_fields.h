#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brevanta {

// The fields of one line of a delimited file, each without the blanks and control characters
// around it. A field may be in double quotes, inside which the delimiter is text and two
// quotes stand for one; a quote left open runs to the end of the line. No field spans lines.
std::vector<std::string> DelimitedFields(std::string_view line, char delimiter);

// Whether every field is empty: an empty line, or one of delimiters and blanks only.
bool AllFieldsEmpty(const std::vector<std::string>& fields);

// How a file writes its amounts: the decimal character and the grouping character, if any.
struct AmountSeparators {
    char decimal = '.';
    std::optional<char> grouping;

    bool operator==(const AmountSeparators&) const = default;
};

// The number a field writes: an optional leading '-', digits with the grouping character only
// between groups of three ("1.234.567"), then optionally the decimal character and digits, and
// nothing else. Nullopt for any other text: "+5", "1.234,5 EUR", "12.34,5", "1,", ",5".
std::optional<double> ReadAmount(std::string_view text, const AmountSeparators& separators);

}  // namespace brevanta
