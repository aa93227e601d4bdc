#pragma once

#include <string>
#include <string_view>

namespace brevanta {

// The text with leading and trailing blanks and control characters removed.
std::string_view TrimControls(std::string_view text);

// Field n (counting from 1) of a comma-separated import line, trimmed. There is no quoting:
// every comma separates. A field past the last comma is empty. After each comma only the
// next 9999 characters of the line are looked at.
std::string ImportField(std::string_view line, int n);

// The text as one field of an exported line: as it stands, or in double quotes (an inner
// quote doubled) when it holds a comma, a quote or a line break.
std::string CsvQuoted(std::string_view text);

}  // namespace brevanta
