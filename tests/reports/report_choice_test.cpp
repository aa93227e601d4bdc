#include "reports/report_choice.h"

#include <gtest/gtest.h>

namespace brevanta::testing {
namespace {

TEST(ReportChoiceTest, OneTickNarrowsTheReturnsAndBothOrNeitherGiveBoth) {
    struct Case {
        ReportKind kind;
        int both, dollar_only, time_only;
        bool portfolio;
    };
    const Case cases[] = {
        {ReportKind::PortfolioPerformance, 10, 11, 12, true},
        {ReportKind::MarketValues, 20, 20, 20, true},
        {ReportKind::InvestmentDetail, 30, 31, 32, false},
        {ReportKind::InvestmentReturns, 40, 41, 42, false},
        {ReportKind::InvestmentLists, 50, 50, 50, false},
        {ReportKind::InvestmentGrowth, 60, 60, 60, false},
        {ReportKind::PortfolioGrowth, 70, 70, 70, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPortfolioKind(c.kind), c.portfolio);
        EXPECT_EQ(ReportCodeFor(c.kind, true, true), c.both);
        EXPECT_EQ(ReportCodeFor(c.kind, false, false), c.both);
        EXPECT_EQ(ReportCodeFor(c.kind, true, false), c.dollar_only);
        EXPECT_EQ(ReportCodeFor(c.kind, false, true), c.time_only);
    }
}

}  // namespace
}  // namespace brevanta::testing
