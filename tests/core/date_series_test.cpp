#include "core/date_series.h"

#include <gtest/gtest.h>

namespace brevanta {
namespace {

Date D(int year, int month, int day) { return Date::Ymd(year, month, day); }

struct SeriesCase {
    const char* name;
    Date first;
    RepeatPeriod period;
    std::vector<Date> expected;
};

class SeriesDatesTest : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(SeriesDatesTest, EveryStepCountsFromTheFirstDate) {
    const SeriesCase& c = GetParam();
    EXPECT_EQ(SeriesDates(c.first, c.period, static_cast<int>(c.expected.size())), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SeriesDatesTest,
    ::testing::Values(SeriesCase{"MonthEndsShortenThenComeBack",
                                 D(2001, 1, 31),
                                 RepeatPeriod::Month,
                                 {D(2001, 1, 31), D(2001, 2, 28), D(2001, 3, 31), D(2001, 4, 30)}},
                      SeriesCase{"LeapDayBecomesTheLastOfFebruary",
                                 D(2000, 2, 29),
                                 RepeatPeriod::Year,
                                 {D(2000, 2, 29), D(2001, 2, 28), D(2002, 2, 28)}},
                      SeriesCase{"QuartersCrossTheYear",
                                 D(2001, 11, 15),
                                 RepeatPeriod::Quarter,
                                 {D(2001, 11, 15), D(2002, 2, 15), D(2002, 5, 15)}},
                      SeriesCase{"FebruaryOfALeapYearKeepsThe29th",
                                 D(2003, 11, 30),
                                 RepeatPeriod::Quarter,
                                 {D(2003, 11, 30), D(2004, 2, 29), D(2004, 5, 30), D(2004, 8, 30)}},
                      SeriesCase{"ThirtyDayMonthsCutThe31st",
                                 D(2001, 8, 31),
                                 RepeatPeriod::Month,
                                 {D(2001, 8, 31), D(2001, 9, 30), D(2001, 10, 31), D(2001, 11, 30),
                                  D(2001, 12, 31), D(2002, 1, 31)}}),
    [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
}  // namespace brevanta
