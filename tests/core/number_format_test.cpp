#include "core/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace brevanta {
namespace {

TEST(NumberFormatTest, RoundsHalfAwayFromZeroOnTheValueHeld) {
    EXPECT_EQ(FormatNumber(12.5, "#,##0"), "13");
    EXPECT_EQ(FormatNumber(-12.5, "#,##0"), "-13");
    EXPECT_EQ(FormatNumber(static_cast<float>(1234567.89), "$#,###.00"), "$1,234,567.88");
    EXPECT_EQ(FormatNumber(0.125, "0.00"), "0.13");
    // 1.005 is held as 1.00499999999999989...: it rounds down.
    EXPECT_EQ(FormatNumber(1.005, "0.00"), "1.00");
    EXPECT_EQ(FormatNumber(9.995, "0.00"), "9.99");
    EXPECT_EQ(FormatNumber(999.996, "#,##0.00"), "1,000.00");
}

TEST(NumberFormatTest, OptionalDigitsDropLeadingZeroAndEmptyFraction) {
    EXPECT_EQ(FormatNumber(0.5, "$#,###.00"), "$.50");
    EXPECT_EQ(FormatNumber(0, "$#,###.00"), "$.00");
    EXPECT_EQ(FormatNumber(0, "$#,###"), "$");
    EXPECT_EQ(FormatNumber(0.5, "####.##"), ".5");
    EXPECT_EQ(FormatNumber(1234.5, "####.##"), "1234.5");
    EXPECT_EQ(FormatNumber(12, "####.##"), "12");
    EXPECT_EQ(FormatNumber(0.005 * 100, "#.0"), ".5");
    EXPECT_EQ(FormatNumber(0.25 * 100, "#.0"), "25.0");
    EXPECT_EQ(FormatNumber(1234567.5, "0.##"), "1234567.5");
    EXPECT_EQ(FormatNumber(5, "0.##"), "5");
    EXPECT_EQ(FormatNumber(0.1234564, "0.######"), "0.123456");
    EXPECT_EQ(FormatNumber(2, "0.######"), "2");
    EXPECT_EQ(FormatNumber(0, "#0.00"), "0.00");
}

TEST(NumberFormatTest, GroupsThousandsWhereThePatternHasAComma) {
    EXPECT_EQ(FormatNumber(-1200, "#,##0"), "-1,200");
    EXPECT_EQ(FormatNumber(1234567.5, "#,###,##0.00"), "1,234,567.50");
    EXPECT_EQ(FormatNumber(1234567.5, "###,###,##0.00"), "1,234,567.50");
    EXPECT_EQ(FormatNumber(1234.5, "$###,##0.00"), "$1,234.50");
    EXPECT_EQ(FormatNumber(1110, "#,##0.00"), "1,110.00");
    EXPECT_EQ(FormatNumber(999, "#,##0"), "999");
    EXPECT_EQ(FormatNumber(1234.5, "###0.00"), "1234.50");
    EXPECT_EQ(FormatNumber(-1234.5, "0.00"), "-1234.50");
}

TEST(NumberFormatTest, LiteralsAreCopiedAndPercentIsNotScaled) {
    EXPECT_EQ(FormatNumber(4.7619, "0.0000%"), "4.7619%");
    EXPECT_EQ(FormatNumber(-3.2, "$#,##0.00"), "-$3.20");
    EXPECT_EQ(FormatNumber(12.5, "#,##0.0000"), "12.5000");
}

TEST(NumberFormatTest, NegativeValueRoundingToZeroShowsNoMinus) {
    EXPECT_EQ(FormatNumber(-0.001, "0.00"), "0.00");
    EXPECT_EQ(FormatNumber(-0.4, "#,##0"), "0");
    EXPECT_EQ(FormatNumber(-0.0, "$#,###.00"), "$.00");
}

TEST(NumberFormatTest, SeparatorsFollowTheLocale) {
    Locale german;
    german.decimal_separator = ',';
    german.thousand_separator = '.';
    EXPECT_EQ(FormatNumber(1234567.5, "#,##0.00", german), "1.234.567,50");
    EXPECT_EQ(FormatNumber(0.5, "$#,###.00", german), "$,50");
}

TEST(NumberFormatTest, NotANumberAndExtremesDoNotBreakThePattern) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "0.00"), "NAN");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), "0.00"), "-INF");
    EXPECT_EQ(FormatNumber(1e20, "#,##0"), "100,000,000,000,000,000,000");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::denorm_min(), "0.00"), "0.00");
}

}  // namespace
}  // namespace brevanta
