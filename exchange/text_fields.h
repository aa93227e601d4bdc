#pragma once

#include <string>
#include <string_view>

#include "core/control_characters.h"

namespace brevanta {

// The text with leading and trailing blanks and control characters removed.
std::string_view TrimControls(std::string_view text);

// Field n (counting from 1) of a comma-separated import line, trimmed. There is no quoting:
// every comma separates. A field past the last comma is empty. After each comma only the
// next 9999 characters of the line are looked at.
std::string ImportField(std::string_view line, int n);

// The line with the double quotes around its fields removed when every field, trimmed, is
// in double quotes ("1/31/2020","CC","100"); otherwise the line as it stands.
std::string UnquotedLine(std::string_view line);

// The text as one field of an exported line: OneLine, then in double quotes (an inner quote
// doubled) when it holds a comma or a quote.
std::string CsvQuoted(std::string_view text);

}  // namespace brevanta
