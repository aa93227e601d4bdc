#pragma once

#include <string_view>

namespace brevanta {

// Text without the blanks (spaces and tabs) around it. Plain loops: a search for a set of
// characters costs a library call per character, and table numbers are padded with blanks.
inline std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    size_t first = 0, end = text.size();
    while (first < end && blank(text[first])) ++first;
    while (end > first && blank(text[end - 1])) --end;
    return text.substr(first, end - first);
}

}  // namespace brevanta
