#include "engine/dollar_weighted.h"

#include <gtest/gtest.h>

#include "engine/period_dates.h"

namespace brevanta {
namespace {

Date D(int y, int m, int d) { return Date::Ymd(y, m, d); }

// Stored form of a one-year rate: percent, single precision.
float OneYearFigure(double bmv, double emv, double net_flow) {
    const DollarWeightedEquation equation = TrailingYearsEquation(
        D(2001, 6, 30), 1, bmv, emv, [net_flow](Date, Date) { return net_flow; });
    return static_cast<float>(SolveDollarWeighted(equation, ZeroShortcut::Use) * 100);
}

TEST(SolveDollarWeightedTest, OneYearRatesOfTheWorkedExamples) {
    EXPECT_EQ(OneYearFigure(1000, 1100, 0), 10.0f);
    // 1000 + 100 / g^0.5 = 1150 / g gives g = 1.0476455, against 4.7619 time-weighted.
    EXPECT_EQ(OneYearFigure(1000, 1150, 100), 4.76455021f);
    EXPECT_EQ(OneYearFigure(1000, 900, 0), -10.0f);
    EXPECT_EQ(OneYearFigure(1000, 0, 0), -99.9999924f);
}

TEST(SolveDollarWeightedTest, UnchangedValueWithoutFlowsIsZeroWithoutSearching) {
    DollarWeightedEquation flat;
    flat.bmv = 1000;
    flat.emv = 1000;
    flat.flows = {0};
    flat.exponents = {0.5};
    EXPECT_EQ(SolveDollarWeighted(flat, ZeroShortcut::Use), 0.0);
    // The search alone lands a rounding step away from 0.
    EXPECT_NE(SolveDollarWeighted(flat, ZeroShortcut::Skip), 0.0);
}

TEST(SolveDollarWeightedTest, RatesAboveTheGridStopAtItsTop) {
    DollarWeightedEquation tenfold;
    tenfold.bmv = 1;
    tenfold.emv = 1e9;
    EXPECT_EQ(static_cast<float>(SolveDollarWeighted(tenfold, ZeroShortcut::Use) * 100), 100000.0f);
}

TEST(SolveDollarWeightedTest, TrailingYearsPlaceEachYearsFlowMidYear) {
    std::vector<std::pair<Date, Date>> slices;
    const DollarWeightedEquation equation =
        TrailingYearsEquation(D(2001, 6, 30), 3, 1000, 1200, [&slices](Date from, Date to) {
            slices.emplace_back(from, to);
            return 10.0;
        });
    const std::vector<std::pair<Date, Date>> expected = {{D(1998, 6, 30), D(1999, 6, 30)},
                                                         {D(1999, 6, 30), D(2000, 6, 30)},
                                                         {D(2000, 6, 30), D(2001, 6, 30)}};
    EXPECT_EQ(slices, expected);
    EXPECT_EQ(equation.exponents, (std::vector<double>{0.5, 1.5, 2.5}));
    EXPECT_EQ(equation.end_exponent, 3);
}

// Records the window of every bucket by returning a code of its start and end months.
double WindowCode(Date from, Date to) {
    return (from.year() * 100 + from.month()) * 1e6 + to.year() * 100 + to.month();
}

TEST(InceptionYearlyFlowsTest, ThirtyMonthsMakeTwoFullYearsAndAHalf) {
    const Date pd = D(2001, 6, 30);
    const YearlyFlows flows = InceptionYearlyFlows(pd, 30, 1000, 1500, WindowCode);
    EXPECT_EQ(flows.socs[0], WindowCode(D(1998, 12, 30), D(1999, 12, 30)));
    EXPECT_EQ(flows.socs[1], WindowCode(D(1999, 12, 30), D(2000, 12, 30)));
    EXPECT_EQ(flows.socs[2], WindowCode(D(2000, 12, 30), pd));
    EXPECT_EQ(flows.pwrs[0], 0.5);
    EXPECT_EQ(flows.pwrs[1], 1.5);
    EXPECT_EQ(flows.pwrs[2], 2.25);  // 2 + 6 x 0.5 / 12
    for (int k = 3; k < YearlyFlows::kBuckets; ++k) {
        EXPECT_EQ(flows.socs[k], 0);
        EXPECT_EQ(flows.pwrs[k], 0);
    }
    EXPECT_EQ(flows.nummonths, 30);
    EXPECT_EQ(InceptionEquation(flows).end_exponent, 2.5);
}

TEST(InceptionYearlyFlowsTest, SevenMonthsCountAsOneYear) {
    const Date pd = D(2001, 6, 30);
    const YearlyFlows flows = InceptionYearlyFlows(pd, 7, 1000, 1500, WindowCode);
    EXPECT_EQ(flows.socs[0], WindowCode(D(2000, 11, 30), pd));
    EXPECT_EQ(flows.pwrs[0], 0.5);
    EXPECT_EQ(flows.socs[1], 0);
    EXPECT_EQ(InceptionEquation(flows).end_exponent, 1);
}

TEST(InceptionYearlyFlowsTest, WholeYearsPutTheLastBucketMidYear) {
    const YearlyFlows flows = InceptionYearlyFlows(D(2001, 6, 30), 24, 0, 0, WindowCode);
    EXPECT_EQ(flows.pwrs[1], 1.5);
    EXPECT_EQ(flows.socs[1], WindowCode(D(2000, 6, 30), D(2001, 6, 30)));
    EXPECT_EQ(flows.pwrs[2], 0);
}

TEST(InceptionYearlyFlowsTest, SixHundredMonthsFillAllFiftyBuckets) {
    const YearlyFlows flows = InceptionYearlyFlows(D(2001, 6, 30), 600, 0, 0, WindowCode);
    EXPECT_EQ(flows.pwrs[49], 49.5);
    EXPECT_EQ(flows.socs[49], WindowCode(D(2000, 6, 30), D(2001, 6, 30)));
    EXPECT_EQ(InceptionEquation(flows).end_exponent, 50);
}

}  // namespace
}  // namespace brevanta
