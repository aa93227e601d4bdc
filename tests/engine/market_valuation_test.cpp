#include "engine/market_valuation.h"

#include <gtest/gtest.h>

#include <memory>

namespace brevanta {
namespace {

Date D(int y, int m, int d) { return Date::Ymd(y, m, d); }

using Entry = TransactionTimeline::Entry;
constexpr FlowKind CC = FlowKind::Contribution;
constexpr FlowKind DI = FlowKind::Dividend;
constexpr FlowKind WI = FlowKind::Withdrawal;

MarketValuation::History History(std::vector<HoldingHistory::Value> values,
                                 std::vector<Entry> transactions) {
    return std::make_shared<const HoldingHistory>(std::move(values),
                                                  TransactionTimeline(std::move(transactions)));
}

TEST(TransactionTimelineTest, AFlowOnABoundaryBelongsToThePeriodEndingThere) {
    const TransactionTimeline flows({{D(2001, 1, 31), CC, 1000},
                                     {D(2001, 2, 28), CC, 100},
                                     {D(2001, 3, 15), DI, 40},
                                     {D(2001, 3, 31), WI, 30}});
    EXPECT_EQ(flows.Sum(D(2001, 1, 31), D(2001, 2, 28), FlowMeasure::ExternalCashFlow, 0), 100);
    EXPECT_EQ(flows.Sum(D(2001, 2, 28), D(2001, 3, 31), FlowMeasure::ExternalCashFlow, 0), -30);
    EXPECT_EQ(flows.Sum(D(2001, 2, 28), D(2001, 3, 31), FlowMeasure::MarketValue, 0), 10);
    EXPECT_EQ(flows.Sum(std::nullopt, D(2001, 1, 31), FlowMeasure::MarketValue, 5), 1005);
}

TEST(TransactionTimelineTest, UnknownCodesAreIgnored) {
    EXPECT_EQ(FlowKindOfCode("cc"), FlowKind::Other);
    const TransactionTimeline flows(
        {{D(2001, 1, 31), CC, 1000}, {D(2001, 2, 1), FlowKind::Other, 7}});
    EXPECT_EQ(flows.Sum(std::nullopt, D(2001, 3, 1), FlowMeasure::MarketValue, 0), 1000);
}

TEST(TransactionTimelineTest, EntriesOutOfDateOrderAreSummedInListOrder) {
    // 0.1 + 0.2 + 0.3 differs from 0.3 + 0.2 + 0.1 in the last bit: list order must hold.
    const TransactionTimeline flows(
        {{D(2001, 1, 1), CC, 0.1}, {D(2001, 3, 1), CC, 0.2}, {D(2001, 2, 1), CC, 0.3}});
    EXPECT_EQ(flows.Sum(std::nullopt, D(2001, 12, 31), FlowMeasure::ExternalCashFlow, 0),
              0.1 + 0.2 + 0.3);
    EXPECT_EQ(flows.Sum(D(2001, 1, 15), D(2001, 2, 15), FlowMeasure::ExternalCashFlow, 0), 0.3);
}

// The worked example: value 1000 on 31 March, CC 200 on 15 April, DI 50 on 20 April,
// WI 100 on 25 April.
TEST(MarketValuationTest, RollsTheLatestValueForwardWithLaterFlows) {
    const auto fund = History({{D(2001, 1, 31), 800}, {D(2001, 3, 31), 1000}},
                              {{D(2001, 1, 31), CC, 800},
                               {D(2001, 3, 31), CC, 999},  // on the value's date: not later
                               {D(2001, 4, 15), CC, 200},
                               {D(2001, 4, 20), DI, 50},
                               {D(2001, 4, 25), WI, 100}});
    const MarketValuation valuation = MarketValuation::OfInvestment(fund);
    EXPECT_EQ(valuation.At(D(2001, 4, 30)), 1150);
    EXPECT_EQ(valuation.At(D(2001, 3, 31)), 1000);
    EXPECT_EQ(valuation.At(D(2001, 1, 30)), 0);
}

TEST(MarketValuationTest, LatestValueOfZeroCountsLaterFlowsOnlyForTheInvestmentAlone) {
    const auto emptied = History({{D(2001, 1, 31), 500}, {D(2001, 3, 31), 0}},
                                 {{D(2001, 1, 31), CC, 500}, {D(2001, 5, 15), CC, 200}});
    const auto other = History({{D(2001, 1, 31), 1000}}, {{D(2001, 1, 31), CC, 1000}});
    EXPECT_EQ(MarketValuation::OfInvestment(emptied).At(D(2001, 5, 31)), 200);
    EXPECT_EQ(MarketValuation::OfPortfolio({emptied, other}).At(D(2001, 5, 31)), 1000);
}

TEST(MarketValuationTest, OnlyTheTotalIsClampedAtZero) {
    const auto overdrawn =
        History({{D(2001, 1, 31), 100}}, {{D(2001, 1, 31), CC, 100}, {D(2001, 2, 15), WI, 300}});
    const auto other = History({{D(2001, 1, 31), 1000}}, {{D(2001, 1, 31), CC, 1000}});
    EXPECT_EQ(MarketValuation::OfInvestment(overdrawn).At(D(2001, 2, 28)), 0);
    EXPECT_EQ(MarketValuation::OfPortfolio({overdrawn, other}).At(D(2001, 2, 28)), 800);
}

TEST(MarketValuationTest, WalkStopsAtTheFirstValueAfterTheDate) {
    // A value dated before the inception follows the opening value: before the inception
    // the walk stops at once; after it, the earlier-dated value is the last one kept and
    // the opening contribution counts as a later flow.
    const auto fund =
        History({{D(2001, 1, 31), 1000}, {D(2001, 1, 15), 900}}, {{D(2001, 1, 31), CC, 1000}});
    EXPECT_EQ(MarketValuation::OfInvestment(fund).At(D(2001, 1, 20)), 0);
    EXPECT_EQ(MarketValuation::OfPortfolio({fund}).At(D(2001, 2, 1)), 1900);
}

}  // namespace
}  // namespace brevanta
