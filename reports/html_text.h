#pragma once

#include <string>
#include <string_view>

namespace brevanta {

// A stored text made safe to stand in a page: & < > " ' become character references;
// every other character is kept, so a text without them comes back unchanged.
std::string EscapeHtml(std::string_view text);

// "&#10003;": how a page written in Windows-1252 holds a character that code page lacks.
std::string NumericCharacterReference(char32_t character);

}  // namespace brevanta
