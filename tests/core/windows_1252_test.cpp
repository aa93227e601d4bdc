#include "core/windows_1252.h"

#include <gtest/gtest.h>

namespace brevanta {
namespace {

TEST(Windows1252Test, EveryByteRoundTrips) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
    const std::string text = DecodeWindows1252(bytes);
    const Windows1252Text encoded = EncodeWindows1252(text);
    EXPECT_FALSE(encoded.refused);
    EXPECT_EQ(encoded.bytes, bytes);
    EXPECT_EQ(EncodeWindows1252(text, QuestionMark), bytes);
}

TEST(Windows1252Test, CharactersMapToTheirBytes) {
    const struct {
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"Caf\u00e9 M\u00fcller \u2013 Fonds", "Caf\xE9 M\xFCller \x96 Fonds"},
        {"\u20ac 5 \u2122 \u0178\u00ff", "\x80 5 \x99 \x9F\xFF"},
        {"\u0081\u008d\u008f\u0090\u009d", "\x81\x8D\x8F\x90\x9D"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeWindows1252(c.utf8).bytes, c.bytes) << c.utf8;
        EXPECT_EQ(DecodeWindows1252(c.bytes), c.utf8) << c.utf8;
    }
}

TEST(Windows1252Test, FirstCharacterTheCodePageLacksIsRefused) {
    const struct {
        const char* utf8;
        char32_t refused;
        const char* message;
    } cases[] = {
        {"ok \u2713 \u4e2d", 0x2713, "The character \"\u2713\" (U+2713) cannot be stored."},
        {"\u4e2d", 0x4E2D, "The character \"\u4e2d\" (U+4E2D) cannot be stored."},
        {"\U0001F600", 0x1F600, "The character \"\U0001F600\" (U+1F600) cannot be stored."},
        // A C1 control that Windows-1252 puts a printable character in place of.
        {"\u0080", 0x80, "The character \"\u0080\" (U+0080) cannot be stored."},
        // Not UTF-8: a Latin-1 byte, a cut sequence, an overlong form, a surrogate.
        {"Caf\xE9", 0xFFFD, nullptr},
        {"\xE2\x80", 0xFFFD, nullptr},
        {"\xC0\xAF", 0xFFFD, nullptr},
        {"\xED\xA0\x80", 0xFFFD, nullptr},
    };
    for (const auto& c : cases) {
        const Windows1252Text encoded = EncodeWindows1252(c.utf8);
        ASSERT_TRUE(encoded.refused) << c.utf8;
        EXPECT_EQ(*encoded.refused, c.refused) << c.utf8;
        EXPECT_TRUE(encoded.status().IsInvalidArgument());
        if (c.message) {
            EXPECT_EQ(encoded.status().message(), c.message);
        }
    }
    EXPECT_TRUE(EncodeWindows1252("Caf\u00e9").status().ok());
    EXPECT_EQ(EncodeWindows1252("a\u2713b\xFF", QuestionMark), "a?b?");
}

}  // namespace
}  // namespace brevanta
