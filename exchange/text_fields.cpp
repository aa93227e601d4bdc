#include "exchange/text_fields.h"

namespace brevanta {

namespace {

// Each comma keeps at most this many of the following characters.
constexpr std::size_t kMaxRemainder = 9999;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7f'; }

bool IsQuoted(std::string_view field) {
    return field.size() >= 2 && field.front() == '"' && field.back() == '"';
}

}  // namespace

std::string_view TrimControls(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
    return text;
}

std::string ImportField(std::string_view line, int n) {
    std::string_view rest = TrimControls(line);
    std::string_view field;
    for (int i = 0; i < n; ++i) {
        const std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos) {
            field = rest;
            rest = {};
        } else {
            field = rest.substr(0, comma);
            rest = rest.substr(comma + 1, kMaxRemainder);
        }
    }
    return std::string(TrimControls(field));
}

std::string UnquotedLine(std::string_view line) {
    std::string unquoted;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        const std::string_view field = TrimControls(line.substr(start, comma - start));
        if (!IsQuoted(field)) return std::string(line);
        unquoted += field.substr(1, field.size() - 2);
        if (comma == std::string_view::npos) return unquoted;
        unquoted += ',';
        start = comma + 1;
    }
}

std::string CsvQuoted(std::string_view text) {
    std::string field = OneLine(text);
    if (field.find_first_of(",\"") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

}  // namespace brevanta
