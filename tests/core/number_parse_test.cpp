#include "core/number_parse.h"

#include <gtest/gtest.h>

namespace brevanta {
namespace {

TEST(NumberParseTest, ReadsPlainDecimalNumbers) {
    EXPECT_EQ(ParseNumber("100"), 100.0);
    EXPECT_EQ(ParseNumber("-1234.5"), -1234.5);
    EXPECT_EQ(ParseNumber("+2.25"), 2.25);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5.0);
    EXPECT_EQ(ParseNumber("1.5E3"), 1500.0);
    EXPECT_EQ(ParseNumber("1.40129846432482E-45"), 1.40129846432482E-45);
    EXPECT_EQ(ParseNumber("   42"), 42.0);
    EXPECT_EQ(ParseNumber("42  "), 42.0);
}

TEST(NumberParseTest, RefusesAnythingButANumber) {
    for (const char* text :
         {"",   "   ", "1,000", "$100",  "12a", "a12", "1.2.3", "-",    "+",   ".",
          "1e", "1e+", "- 1",   "1 000", "inf", "nan", "NAN",   "0x10", "++1", "1e999"}) {
        EXPECT_FALSE(ParseNumber(text).has_value()) << text;
    }
}

TEST(NumberParseTest, DecimalSeparatorFollowsTheLocale) {
    Locale german;
    german.decimal_separator = ',';
    german.thousand_separator = '.';
    EXPECT_EQ(ParseNumber("1234,5", german), 1234.5);
    EXPECT_FALSE(ParseNumber("1234.5", german).has_value());
    EXPECT_FALSE(ParseNumber("1.234,5", german).has_value());
}

}  // namespace
}  // namespace brevanta
