#include "engine/benchmark.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/growth.h"
#include "reports/growth_rows.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

using Figures = std::vector<std::optional<double>>;

// A fund from 31 December 2000 (10 % a year) against two indexes without flows: a young one
// from 30 June 2001 that rises 20 % in December 2002, and one older than the fund that rises
// 10 % a year.
class BenchmarkTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        const Pid portfolio = AddPortfolio("Growth");
        fund_ = AddHolding(portfolio, "Fund", D(2000, 12, 31), 1000);
        young_ = AddHolding(portfolio, "Young Index", D(2001, 6, 30), 100);
        old_ = AddHolding(portfolio, "Old Index", D(2000, 6, 30), 100);
        AddValue(fund_, D(2001, 12, 31), 1100);
        AddValue(fund_, D(2002, 12, 31), 1210);
        AddValue(young_, D(2001, 12, 31), 105);
        AddValue(young_, D(2002, 12, 31), 126);
        AddValue(old_, D(2001, 12, 31), 110);
        AddValue(old_, D(2002, 12, 31), 121);
    }

    Hid fund_{}, young_{}, old_{};
    const GrowthSubject fund_subject_{Pid{1}, Hid{1}};
    const Date as_of_ = D(2002, 12, 31);
};

void ExpectFigures(const Figures& actual, const Figures& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(actual[i].has_value(), expected[i].has_value());
        if (expected[i]) {
            EXPECT_NEAR(*actual[i], *expected[i], 1e-4);
        }
    }
}

TEST_F(BenchmarkTest, PeriodsTheBenchmarkIsYoungerThanHaveNoFigure) {
    const auto n = std::nullopt;
    // Month, QTR, 1 Year, 3, 5, 10 Year, Inception: the fund's 24 months annualised, 1.21^0.5.
    const struct {
        Hid benchmark;
        Figures periods;
    } cases[] = {{young_, {20, 20, 20, n, n, n, n}},
                 {old_, {10, 10, 10, n, n, n, 10}},
                 {Hid{99}, {n, n, n, n, n, n, n}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Number(c.benchmark));
        const BenchmarkFigures figures =
            BenchmarkFiguresOf(store(), fund_subject_, c.benchmark, as_of_);
        ExpectFigures({figures.time_weighted.begin(), figures.time_weighted.end()}, c.periods);
    }
    EXPECT_EQ(BenchmarkDifference(12.5, 10), 2.5);
    EXPECT_EQ(BenchmarkDifference(12.5, std::nullopt), std::nullopt);
}

TEST_F(BenchmarkTest, CalendarYearsCompareOverTheSameWindows) {
    // The fund's years: 31 December 2000 alone, 2001, 2002.
    const Growth young = GrowthOf(store(), fund_subject_, as_of_, young_);
    ASSERT_TRUE(young.benchmark.has_value());
    ExpectFigures(young.benchmark->years, {std::nullopt, std::nullopt, 20});
    EXPECT_FALSE(young.benchmark->inception_returns.has_value());
    const std::vector<TextRow> rows =
        BuildCalendarYearRows(young.years, NumberStyle::Plain, Locale::EnUs(), &*young.benchmark);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].cells,
              Texts({"2001", "no", "10.00", "10.00", "1100.00", "0.00", "n/a", "n/a"}));
    EXPECT_EQ(rows[2].cells,
              Texts({"2002", "no", "10.00", "10.00", "1210.00", "0.00", "20.00", "-10.00"}));

    const Growth old = GrowthOf(store(), fund_subject_, as_of_, old_);
    ExpectFigures(old.benchmark->years, {0, 10, 10});
    ASSERT_TRUE(old.benchmark->inception_returns.has_value());
    EXPECT_EQ(old.benchmark->inception_returns->boundaries, old.inception_returns.boundaries);
    EXPECT_FALSE(GrowthOf(store(), fund_subject_, as_of_).benchmark.has_value());
}

}  // namespace
}  // namespace brevanta::testing
