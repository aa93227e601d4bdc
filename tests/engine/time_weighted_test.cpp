#include "engine/time_weighted.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brevanta {
namespace {

TEST(SubPeriodReturnTest, WeighsEveryFlowByOneHalf) {
    // (1150 - 50) / (1000 + 50) = 1.047619...
    EXPECT_DOUBLE_EQ(SubPeriodReturn(1000, 1150, 100, ReturnForm::Ratio), 1100.0 / 1050.0);
    EXPECT_EQ(static_cast<float>(SubPeriodReturn(1000, 1150, 100, ReturnForm::Percent)),
              4.76190472f);
}

TEST(SubPeriodReturnTest, OnlyAZeroDenominatorMeansNoReturn) {
    EXPECT_EQ(SubPeriodReturn(0, 0, 0, ReturnForm::Ratio), 1.0);
    EXPECT_EQ(SubPeriodReturn(0, 0, 0, ReturnForm::Percent), 0.0);
    EXPECT_EQ(SubPeriodReturn(100, 40, -200, ReturnForm::Ratio), 1.0);
    // A withdrawal of more than twice the opening value: (0 + 200) / (100 - 200).
    EXPECT_EQ(SubPeriodReturn(100, 0, -400, ReturnForm::Ratio), -2.0);
}

TEST(LinkingTest, ThreeYearExponentIsTheDecimalConstantNotOneThird) {
    const float figure = static_cast<float>(AnnualisedPercent(1.331, 0.3333));
    EXPECT_EQ(figure, 9.99895191f);
    EXPECT_LT(figure, 10.0f);
}

TEST(LinkingTest, PowersOfANegativeProductKeepTheSign) {
    EXPECT_DOUBLE_EQ(SignedPower(-8, 1.0 / 3), -2.0);
    EXPECT_DOUBLE_EQ(AnnualisedPercent(-0.21, 0.5), (-std::sqrt(0.21) - 1) * 100);
    EXPECT_DOUBLE_EQ(CumulativePercent(1.05), 5.000000000000004);
}

}  // namespace
}  // namespace brevanta
