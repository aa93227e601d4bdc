#pragma once

#include <string>
#include <string_view>

#include "core/status.h"

namespace brevanta {

// Control characters are the bytes below 0x20 other than tab (NUL, ESC, line breaks...). No
// stored name or description holds one, and no page, comma-separated file or log line copies
// one from a text.
bool IsControlCharacter(char c);

// Ok, or InvalidArgument naming the first control character of the text:
// "The control character U+001B cannot be stored."
Status RefuseControlCharacters(std::string_view text);

// The text as it may stand inside one line of a file: a line break (CR, LF or CR LF) becomes
// a blank and every other control character is dropped.
std::string OneLine(std::string_view text);

}  // namespace brevanta
