#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace brevanta {

// Text in memory is UTF-8; the tables, the comma-separated files, the audit log and the report
// pages hold Windows-1252, one byte per character. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same
// number, so every byte decodes and encodes back unchanged.

// The UTF-8 form of Windows-1252 bytes; every byte has one.
std::string DecodeWindows1252(std::string_view bytes);

// The Windows-1252 form of UTF-8 text, or the first character the code page lacks.
struct Windows1252Text {
    std::string bytes;                // complete only when refused is empty
    std::optional<char32_t> refused;  // U+FFFD for bytes that are not UTF-8

    // Ok, or InvalidArgument naming the refused character:
    // The character "✓" (U+2713) cannot be stored.
    Status status() const;
};
Windows1252Text EncodeWindows1252(std::string_view utf8);

// The Windows-1252 form of UTF-8 text with every character the code page lacks written as
// replacement(character), which must be ASCII.
using CharacterReplacement = std::string (*)(char32_t character);
std::string EncodeWindows1252(std::string_view utf8, CharacterReplacement replacement);
std::vector<std::string> EncodeWindows1252(const std::vector<std::string>& utf8_lines,
                                           CharacterReplacement replacement);

// "?", as Windows writes a character its code page lacks into a text file.
std::string QuestionMark(char32_t character);

// Whether the bytes are UTF-8 throughout: every character in its shortest form, no surrogate.
bool IsUtf8(std::string_view bytes);

// The UTF-8 form of one character.
std::string Utf8Character(char32_t character);
// "U+2713": four hexadecimal digits at least.
std::string CodePointName(char32_t character);

}  // namespace brevanta
