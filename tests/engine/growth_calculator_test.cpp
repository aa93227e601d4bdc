#include "engine/growth_calculator.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/growth.h"
#include "engine/history_source.h"
#include "store/data_store.h"
#include "store/open_store.h"
#include "store/run_command.h"
#include "store/temp_dir.h"

namespace brevanta {
namespace {

Date D(int y, int m, int d) { return Date::Ymd(y, m, d); }

using Entry = TransactionTimeline::Entry;
constexpr FlowKind CC = FlowKind::Contribution;
constexpr FlowKind WI = FlowKind::Withdrawal;

struct ExpectedYear {
    int year;
    bool partial;
    double time_weighted;
    std::optional<double> dollar_weighted;
    double market_value;
    double net_contributions;
};

struct GrowthCase {
    const char* name;
    std::vector<HoldingHistory::Value> values;  // the opening value first
    std::vector<Entry> transactions;            // the opening contribution first
    Date performance_date;
    std::vector<ExpectedYear> years;
    size_t points;
    double last_cost_basis;
};

const GrowthCase kCases[] = {
    // 2001 runs from 15 March: 1010/1000, June's CC 100 gives (1110 - 50) / (1010 + 50) = 1,
    // December 1100/1110. 2002 is whole: 1210/1100 with no flows, so both kinds give 10.
    {"FirstYearStartsMidMonth",
     {{D(2001, 3, 15), 1000},
      {D(2001, 3, 31), 1010},
      {D(2001, 12, 31), 1100},
      {D(2002, 12, 31), 1210}},
     {{D(2001, 3, 15), CC, 1000}, {D(2001, 6, 15), CC, 100}},
     D(2002, 12, 31),
     {{2001, true, (1.01 * 1100 / 1110 - 1) * 100, std::nullopt, 1100, 1100},
      {2002, false, 10, 10, 1210, 0}},
     23,
     1100},
    // Started on 31 December: that day is a year of its own; 2001 has no flows.
    {"YearWithoutFlowsIsTheRatioOfItsEndValues",
     {{D(2000, 12, 31), 1000}, {D(2001, 6, 30), 1200}, {D(2001, 12, 31), 1150}},
     {{D(2000, 12, 31), CC, 1000}},
     D(2001, 12, 31),
     {{2000, true, 0, std::nullopt, 1000, 1000}, {2001, false, 15, 15, 1150, 0}},
     13,
     1000},
    // March: BMV 1000, EMV 0 (clamped), SOC -1500: (0 + 750) / (1000 - 750) = 3, then no
    // value and no flow, ratio 1. Dollar-weighted: 1000 - 1500 / g^0.5 = 0 at g = 2.25.
    {"WithdrawalLargerThanTheValue",
     {{D(2000, 12, 31), 1000}, {D(2001, 1, 31), 1000}},
     {{D(2000, 12, 31), CC, 1000}, {D(2001, 3, 15), WI, 1500}},
     D(2001, 12, 31),
     {{2000, true, 0, std::nullopt, 1000, 1000}, {2001, false, 200, 125, 0, -1500}},
     13,
     -500},
    // Too young for any stored figure, yet its part of January is a return.
    {"YoungerThanOneMonth",
     {{D(2001, 1, 10), 1000}, {D(2001, 1, 31), 1020}},
     {{D(2001, 1, 10), CC, 1000}, {D(2001, 1, 20), CC, 50}},
     D(2001, 1, 31),
     {{2001, true, (995.0 / 1025 - 1) * 100, std::nullopt, 1020, 1050}},
     2,
     1050},
    {"DateBeforeTheInception",
     {{D(2001, 1, 10), 1000}},
     {{D(2001, 1, 10), CC, 1000}},
     D(2000, 12, 31),
     {},
     0,
     0},
};

void PrintTo(const GrowthCase& c, std::ostream* out) { *out << c.name; }

class GrowthCalculatorTest : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(GrowthCalculatorTest, YearsAndMonthEndsFollowTheEngineRules) {
    const GrowthCase& c = GetParam();
    const auto history =
        std::make_shared<const HoldingHistory>(c.values, TransactionTimeline(c.transactions));
    const MarketValuation valuation = MarketValuation::OfInvestment(history);
    const GrowthCalculator calculator(valuation, history->transactions());

    const std::vector<CalendarYearReturn> years = calculator.CalendarYears(c.performance_date);
    ASSERT_EQ(years.size(), c.years.size());
    for (size_t i = 0; i < years.size(); ++i) {
        const ExpectedYear& expected = c.years[i];
        SCOPED_TRACE(expected.year);
        EXPECT_EQ(years[i].year, expected.year);
        EXPECT_EQ(years[i].partial, expected.partial);
        EXPECT_NEAR(years[i].time_weighted, expected.time_weighted, 1e-9);
        ASSERT_EQ(years[i].dollar_weighted.has_value(), expected.dollar_weighted.has_value());
        if (expected.dollar_weighted) {
            EXPECT_NEAR(*years[i].dollar_weighted, *expected.dollar_weighted, 1e-5);
        }
        EXPECT_EQ(years[i].market_value, expected.market_value);
        EXPECT_EQ(years[i].net_contributions, expected.net_contributions);
    }
    // The calendar months link into their years; a month is partial where its year is.
    const std::vector<CalendarMonthReturn> months = calculator.CalendarMonths(c.performance_date);
    for (const CalendarYearReturn& year : years) {
        double product = 1;
        bool partial = false;
        for (const CalendarMonthReturn& month : months) {
            if (month.year != year.year) continue;
            product *= 1 + month.time_weighted / 100;
            partial = partial || month.partial;
        }
        EXPECT_NEAR((product - 1) * 100, year.time_weighted, 1e-9) << year.year;
        EXPECT_EQ(partial, year.partial && year.start != year.end) << year.year;
    }
    const std::vector<GrowthPoint> points = calculator.MonthEnds(c.performance_date);
    ASSERT_EQ(points.size(), c.points);
    if (!points.empty()) {
        EXPECT_EQ(points.front().date, c.transactions.front().date);
        EXPECT_EQ(points.back().date, c.performance_date);
        EXPECT_EQ(points.back().cost_basis, c.last_cost_basis);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, GrowthCalculatorTest, ::testing::ValuesIn(kCases),
                         [](const auto& instance) { return std::string(instance.param.name); });

// Every whole year of every demo investment and portfolio, against the engine's own 1 Year
// figures calculated as of that year's 31 December.
TEST(GrowthOfTest, EveryFullYearOfTheDemoIsTheOneYearFigureAsOfItsLastDay) {
    testing::TempDir temp;
    const std::string dir = temp.File("demo");
    int exit_code = -1;
    const std::string output =
        testing::RunCommand(std::string(BREVANTA_CLI_PATH) + " demo '" + dir + "' 2>&1", exit_code);
    ASSERT_EQ(exit_code, 0) << output;
    const std::unique_ptr<DataStore> opened_store = testing::OpenStore(dir);
    ASSERT_TRUE(opened_store);
    DataStore& store = *opened_store;

    std::vector<GrowthSubject> subjects;
    for (const PortfolioRecord& portfolio : store.portfolios().AllPortfolios()) {
        subjects.push_back({portfolio.Id, std::nullopt});
        for (const HoldingRecord& holding : store.holdings().HoldingsOfPortfolio(portfolio.Id)) {
            subjects.push_back({portfolio.Id, holding.Id});
        }
    }
    int full_years = 0;
    for (const GrowthSubject& subject : subjects) {
        const Growth growth = GrowthOf(store, subject, DefaultGrowthDate(store, subject, NoDate));
        const auto portfolio_flows = ReadPortfolioTransactions(store, subject.portfolio_id);
        const auto holding =
            subject.holding_id ? ReadHoldingHistory(store, *subject.holding_id) : nullptr;
        const MarketValuation valuation =
            holding
                ? MarketValuation::OfInvestment(holding)
                : MarketValuation::OfPortfolio(ReadPortfolioHoldings(store, subject.portfolio_id));
        const TransactionTimeline& cash_flows =
            holding ? holding->transactions() : *portfolio_flows;
        for (const CalendarYearReturn& year : growth.years) {
            if (year.partial) continue;
            SCOPED_TRACE(std::to_string(year.year) + " of portfolio " +
                         IdText(subject.portfolio_id) + " investment " +
                         IdText(subject.holding_id.value_or(Hid{})));
            const Calculation calculation = Calculate(valuation, cash_flows, year.end);
            EXPECT_EQ(static_cast<float>(year.time_weighted), calculation.figures[Figure::Ytd]);
            ASSERT_TRUE(year.dollar_weighted.has_value());
            EXPECT_EQ(static_cast<float>(*year.dollar_weighted), calculation.figures[Figure::YtdD]);
            ++full_years;
        }
    }
    EXPECT_GT(full_years, 100);
}

}  // namespace
}  // namespace brevanta
