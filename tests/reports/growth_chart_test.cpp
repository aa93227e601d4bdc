#include "reports/growth_chart.h"

#include <gtest/gtest.h>

namespace brevanta {
namespace {

Date D(int year, int month, int day) { return Date::Ymd(year, month, day); }

struct TickCase {
    Date first;
    Date last;
    bool months;
    std::vector<Date> ticks;
};

TEST(TimeAxisTicksTest, MarksFallOnYearStartsOrOnMonthStartsUnderTwoYears) {
    const TickCase cases[] = {
        {D(2019, 6, 30),
         D(2026, 6, 30),
         false,
         {D(2020, 1, 1), D(2021, 1, 1), D(2022, 1, 1), D(2023, 1, 1), D(2024, 1, 1), D(2025, 1, 1),
          D(2026, 1, 1)}},
        {D(1990, 1, 31),
         D(2025, 12, 31),
         false,
         {D(1995, 1, 1), D(2000, 1, 1), D(2005, 1, 1), D(2010, 1, 1), D(2015, 1, 1), D(2020, 1, 1),
          D(2025, 1, 1)}},
        {D(2023, 1, 1),
         D(2024, 6, 15),
         true,
         {D(2023, 1, 1), D(2023, 3, 1), D(2023, 5, 1), D(2023, 7, 1), D(2023, 9, 1), D(2023, 11, 1),
          D(2024, 1, 1), D(2024, 3, 1), D(2024, 5, 1)}},
        {D(2025, 3, 15),
         D(2025, 8, 31),
         true,
         {D(2025, 4, 1), D(2025, 5, 1), D(2025, 6, 1), D(2025, 7, 1), D(2025, 8, 1)}},
        {D(2025, 5, 31), D(2025, 5, 31), true, {}},
    };
    for (const TickCase& c : cases) {
        const TimeTicks ticks = TimeAxisTicks(c.first, c.last, 10);
        EXPECT_EQ(ticks.months, c.months) << c.first.ToYyyymmdd();
        EXPECT_EQ(ticks.dates, c.ticks) << c.first.ToYyyymmdd();
    }
}

TEST(GrowthChartSvgTest, LabelsAShortSpanByMonthAndYear) {
    const std::vector<GrowthPoint> points = {{D(2025, 3, 15), 1000, 1000},
                                             {D(2025, 4, 30), 1010, 1000}};
    std::string svg;
    for (const std::string& line : GrowthChartSvg(points, Locale{})) svg += line + "\n";
    EXPECT_NE(svg.find(">Apr 2025</text>"), std::string::npos) << svg;
    EXPECT_EQ(svg.find(">2025</text>"), std::string::npos);
}

}  // namespace
}  // namespace brevanta
