#include "core/windows_1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace brevanta {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The characters of bytes 0x80 to 0x9F; the rest of the code page is Latin-1, byte for
// character. The undefined bytes stand for the control characters of their own number.
constexpr std::array<char32_t, 32> kCharactersOf80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharacterOf(uint8_t byte) {
    return byte >= 0x80 && byte <= 0x9F ? kCharactersOf80To9F[byte - 0x80] : byte;
}

std::optional<char> ByteOf(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (size_t i = 0; i < kCharactersOf80To9F.size(); ++i) {
        if (kCharactersOf80To9F[i] == character) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// The character that starts at `at`, moving `at` past it; U+FFFD and one byte for anything
// that is not the shortest UTF-8 form of a character (surrogates included).
char32_t NextCharacter(std::string_view text, size_t& at) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    // Sequence length, the lead byte's payload bits, and the smallest character of that length.
    struct Form {
        size_t length;
        uint8_t bits;
        char32_t smallest;
    };
    const Form form = lead >= 0xC2 && lead <= 0xDF   ? Form{2, 0x1F, 0x80}
                      : lead >= 0xE0 && lead <= 0xEF ? Form{3, 0x0F, 0x800}
                      : lead >= 0xF0 && lead <= 0xF4 ? Form{4, 0x07, 0x10000}
                                                     : Form{0, 0, 0};
    char32_t character = lead & form.bits;
    bool valid = form.length > 0 && at + form.length <= text.size();
    for (size_t i = 1; valid && i < form.length; ++i) {
        valid = (byte(at + i) & 0xC0) == 0x80;
        character = character << 6 | (byte(at + i) & 0x3F);
    }
    valid = valid && character >= form.smallest && character <= 0x10FFFF &&
            !(character >= 0xD800 && character <= 0xDFFF);
    at += valid ? form.length : 1;
    return valid ? character : kReplacementCharacter;
}

// Appends the Windows-1252 form of the text to `bytes`, calling on_missing(character, bytes)
// for each character the code page lacks; stops there when it returns false.
template <typename OnMissing>
void Encode(std::string_view utf8, std::string& bytes, OnMissing on_missing) {
    bytes.reserve(bytes.size() + utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const char32_t character = NextCharacter(utf8, at);
        if (const std::optional<char> byte = ByteOf(character)) {
            bytes += *byte;
        } else if (!on_missing(character, bytes)) {
            return;
        }
    }
}

}  // namespace

std::string DecodeWindows1252(std::string_view bytes) {
    // Most table text is ASCII, which is the same in both.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char byte) { return static_cast<uint8_t>(byte) < 0x80; })) {
        return std::string(bytes);
    }
    std::string text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        if (static_cast<uint8_t>(byte) < 0x80) {
            text += byte;
        } else {
            text += Utf8Character(CharacterOf(static_cast<uint8_t>(byte)));
        }
    }
    return text;
}

Windows1252Text EncodeWindows1252(std::string_view utf8) {
    Windows1252Text encoded;
    Encode(utf8, encoded.bytes, [&](char32_t character, std::string&) {
        encoded.refused = character;
        return false;
    });
    return encoded;
}

Status Windows1252Text::status() const {
    if (!refused) return Status::Ok();
    return Status::InvalidArgument(
        Message(BREVANTA_TEXT("Core", "The character \"%1\" (%2) cannot be stored."),
                {Utf8Character(*refused), CodePointName(*refused)}));
}

std::string EncodeWindows1252(std::string_view utf8, CharacterReplacement replacement) {
    std::string bytes;
    Encode(utf8, bytes, [&](char32_t character, std::string& so_far) {
        so_far += replacement(character);
        return true;
    });
    return bytes;
}

std::vector<std::string> EncodeWindows1252(const std::vector<std::string>& utf8_lines,
                                           CharacterReplacement replacement) {
    std::vector<std::string> lines;
    lines.reserve(utf8_lines.size());
    for (const std::string& line : utf8_lines)
        lines.push_back(EncodeWindows1252(line, replacement));
    return lines;
}

std::string QuestionMark(char32_t) { return "?"; }

bool IsUtf8(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        const size_t start = at;
        // A malformed sequence reads as U+FFFD one byte long; the character itself takes three.
        if (NextCharacter(bytes, at) == kReplacementCharacter && at - start == 1) return false;
    }
    return true;
}

std::string Utf8Character(char32_t character) {
    std::string text;
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | character >> 6);
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        text += static_cast<char>(0xE0 | character >> 12);
        text += static_cast<char>(0x80 | (character >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | character >> 18);
        text += static_cast<char>(0x80 | (character >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (character >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
    return text;
}

std::string CodePointName(char32_t character) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t rest = character; rest != 0 || digits.size() < 4; rest >>= 4) {
        digits.insert(digits.begin(), kDigits[rest & 0xF]);
    }
    return "U+" + digits;
}

}  // namespace brevanta
