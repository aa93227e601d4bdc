#include "reports/html_text.h"

#include <cstdint>

namespace brevanta {

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string NumericCharacterReference(char32_t character) {
    return "&#" + std::to_string(static_cast<uint32_t>(character)) + ";";
}

}  // namespace brevanta
