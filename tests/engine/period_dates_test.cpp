#include "engine/period_dates.h"

#include <gtest/gtest.h>

namespace brevanta {
namespace {

Date D(int y, int m, int d) { return Date::Ymd(y, m, d); }

TEST(SubtractMonthsTest, ClampsTheDayToTheTargetMonth) {
    EXPECT_EQ(SubtractMonths(D(2001, 3, 31), 1), D(2001, 2, 28));
    EXPECT_EQ(SubtractMonths(D(2000, 3, 31), 1), D(2000, 2, 29));
    EXPECT_EQ(SubtractMonths(D(2000, 3, 28), 1), D(2000, 2, 28));
    EXPECT_EQ(SubtractMonths(D(2001, 5, 31), 1), D(2001, 4, 30));
    EXPECT_EQ(SubtractMonths(D(2000, 2, 29), 12), D(1999, 2, 28));
}

TEST(SubtractMonthsTest, CrossesYearsAndKeepsOtherDays) {
    EXPECT_EQ(SubtractMonths(D(2001, 1, 15), 1), D(2000, 12, 15));
    EXPECT_EQ(SubtractMonths(D(2001, 1, 15), 13), D(1999, 12, 15));
    EXPECT_EQ(SubtractMonths(D(2001, 3, 10), 0), D(2001, 3, 10));
    EXPECT_EQ(SubtractMonths(D(2001, 12, 31), 12), D(2000, 12, 31));
    EXPECT_EQ(SubtractMonths(D(2001, 6, 30), 600), D(1951, 6, 30));
}

TEST(AddYearsTest, TwentyNinthOfFebruaryBecomesTwentyEighthInACommonYear) {
    EXPECT_EQ(AddYears(D(2000, 2, 29), 1), D(2001, 2, 28));
    EXPECT_EQ(AddYears(D(2000, 2, 29), 4), D(2004, 2, 29));
    EXPECT_EQ(AddYears(D(2001, 1, 30), 1), D(2002, 1, 30));
}

TEST(MonthlyBoundariesTest, AreDerivedFromThePerformanceDateSoClampingDoesNotPropagate) {
    const std::vector<Date> expected = {D(2000, 12, 31), D(2001, 1, 31), D(2001, 2, 28),
                                        D(2001, 3, 31)};
    EXPECT_EQ(MonthlyBoundaries(D(2001, 3, 31), 3), expected);
}

TEST(EligibilityTest, QuarterNeedsAnInceptionOnOrBeforeTheQuarterStart) {
    const Date pd = D(2001, 6, 30);
    const Date quarter_start = SubtractMonths(pd, 3);  // 31 March 2001
    EXPECT_TRUE(IsOldEnough(quarter_start, pd, 3));
    EXPECT_FALSE(IsOldEnough(quarter_start.AddDays(1), pd, 3));
    EXPECT_TRUE(IsOldEnough(quarter_start.AddDays(1), pd, 1));
}

TEST(InceptionWindowTest, CountsWholeMonthsBackFromThePerformanceDate) {
    const Date pd = D(2001, 6, 30);
    const int q = InceptionMonths(D(2001, 1, 15), pd);
    EXPECT_EQ(q, 5);
    EXPECT_EQ(SubtractMonths(pd, q), D(2001, 1, 30));
    EXPECT_EQ(InceptionMonths(pd.AddDays(-20), pd), 0);
    EXPECT_EQ(InceptionMonths(SubtractMonths(pd, 3), pd), 3);
}

TEST(InceptionWindowTest, StopsAtSixHundredMonths) {
    const Date pd = D(2001, 6, 30);
    EXPECT_EQ(InceptionMonths(D(1951, 6, 30), pd), 600);
    EXPECT_EQ(InceptionMonths(D(1930, 1, 1), pd), 600);
    EXPECT_EQ(InceptionMonths(D(1951, 7, 1), pd), 599);
}

TEST(InceptionWindowTest, IsAnnualisedOnlyWhenStrictlyOlderThanOneYear) {
    const Date pd = D(2001, 6, 30);
    EXPECT_FALSE(IsOlderThanOneYear(SubtractMonths(pd, 12), pd));
    EXPECT_TRUE(IsOlderThanOneYear(SubtractMonths(pd, 13), pd));
}

}  // namespace
}  // namespace brevanta
