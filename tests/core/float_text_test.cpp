#include "core/float_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace brevanta {
namespace {

TEST(FloatTextTest, KeepsFifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(FloatToText(static_cast<float>(5.23)), "5.23000001907349");
    EXPECT_EQ(FloatToText(12.34 * 6), "74.04");
    EXPECT_EQ(FloatToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToText(-3.2), "-3.2");
    EXPECT_EQ(FloatToText(0.00001), "0.00001");
    EXPECT_EQ(FloatToText(123456789012345.6), "123456789012346");
}

TEST(FloatTextTest, WholeNumbersHaveNoDecimalPoint) {
    EXPECT_EQ(FloatToText(999999), "999999");
    EXPECT_EQ(FloatToText(17), "17");
    EXPECT_EQ(FloatToText(-1200), "-1200");
    EXPECT_EQ(FloatToText(0), "0");
    EXPECT_EQ(FloatToText(-0.0), "0");
    EXPECT_EQ(FloatToText(999999999999999), "999999999999999");
}

TEST(FloatTextTest, LargeAndTinyMagnitudesUseTheExponentForm) {
    EXPECT_EQ(FloatToText(std::numeric_limits<float>::denorm_min()), "1.40129846432482E-45");
    EXPECT_EQ(FloatToText(-std::numeric_limits<float>::denorm_min()), "-1.40129846432482E-45");
    EXPECT_EQ(FloatToText(1e20), "1E20");
    EXPECT_EQ(FloatToText(1e15), "1E15");
    EXPECT_EQ(FloatToText(9999999999999999.0), "1E16");
    EXPECT_EQ(FloatToText(0.000001234), "1.234E-6");
    EXPECT_EQ(FloatToText(std::numeric_limits<double>::max()), "1.79769313486232E308");
}

TEST(FloatTextTest, RoundsTheFifteenthDigitHalfAwayFromZero) {
    // 100000000000000.5 is held exactly: a tie at the sixteenth digit.
    EXPECT_EQ(FloatToText(100000000000000.5), "100000000000001");
    EXPECT_EQ(FloatToText(-100000000000000.5), "-100000000000001");
}

TEST(FloatTextTest, NotANumberAndInfinitiesHaveNames) {
    EXPECT_EQ(FloatToText(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FloatToText(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FloatToText(-std::numeric_limits<double>::infinity()), "-INF");
}

}  // namespace
}  // namespace brevanta
