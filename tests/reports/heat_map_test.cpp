#include "reports/heat_map.h"

#include <gtest/gtest.h>

#include <vector>

namespace brevanta {
namespace {

CalendarMonthReturn Month(int year, int month, double percent) {
    return {year, month, Date::Ymd(year, month, 1), Date::Ymd(year, month, 28), false, percent};
}

TEST(HeatMapTest, TheBoundIsTheNinetiethPercentileOfTheSizesButAtLeastOne) {
    std::vector<CalendarMonthReturn> months;
    for (int i = 1; i <= 10; ++i) months.push_back(Month(2001, i, i % 2 == 0 ? i : -i));
    EXPECT_EQ(HeatMapBound(months), 9);  // the 9th of ten sizes; the extreme 10 is cut
    months.push_back(Month(2001, 11, 250));
    EXPECT_EQ(HeatMapBound(months), 10);  // the 10th of eleven
    EXPECT_EQ(HeatMapBound({Month(2001, 1, 0.2), Month(2001, 2, -0.1)}), 1);
    EXPECT_EQ(HeatMapBound({}), 1);
}

TEST(HeatMapTest, ColoursDivergeFromWhiteAndSaturateAtTheBound) {
    EXPECT_EQ(HexColour(HeatMapColourOf(0, 4)), "#ffffff");
    EXPECT_EQ(HexColour(HeatMapColourOf(-4, 4)), "#d9534f");
    EXPECT_EQ(HexColour(HeatMapColourOf(-40, 4)), "#d9534f");
    EXPECT_EQ(HexColour(HeatMapColourOf(4, 4)), "#4caf50");
    EXPECT_EQ(HexColour(HeatMapColourOf(2, 4)), "#a6d7a8");  // halfway from white to green
}

TEST(HeatMapTest, RowsPutEachMonthInItsColumnAndEndWithTheYear) {
    const std::vector<CalendarMonthReturn> months = {Month(2000, 12, 1.5), Month(2001, 1, -2),
                                                     Month(2001, 3, 4)};
    CalendarYearReturn year2000, year2001;
    year2000.year = 2000;
    year2000.time_weighted = 1.5;
    year2001.year = 2001;
    year2001.time_weighted = 1.92;
    const std::vector<HeatMapRow> rows = BuildHeatMapRows(months, {year2000, year2001});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].year, 2000);
    EXPECT_FALSE(rows[0].months[0].has_value());
    EXPECT_EQ(rows[0].months[11]->time_weighted, 1.5);
    EXPECT_EQ(rows[1].months[2]->time_weighted, 4);
    EXPECT_FALSE(rows[1].months[1].has_value());
    EXPECT_EQ(rows[1].year_return, 1.92);
}

}  // namespace
}  // namespace brevanta
