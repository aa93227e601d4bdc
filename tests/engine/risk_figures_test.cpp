#include "engine/risk_figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/period_dates.h"

namespace brevanta {
namespace {

// Return k of a series belongs to the period from b(k - 1) to b(k), monthly boundaries ending
// on 31 December 2001.
std::vector<Date> Boundaries(size_t months) {
    return MonthlyBoundaries(Date::Ymd(2001, 12, 31), static_cast<int>(months));
}

std::vector<double> Repeated(std::vector<double> pattern, int times) {
    std::vector<double> series;
    for (int i = 0; i < times; ++i) series.insert(series.end(), pattern.begin(), pattern.end());
    return series;
}

std::vector<double> operator+(std::vector<double> first, const std::vector<double>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

constexpr double kRiskFreeOfThree = 0.0024662697723036864;  // 1.03^(1/12) - 1

struct RiskCase {
    const char* name;
    std::vector<double> returns;
    double risk_free_percent;
    std::optional<double> volatility, max_drawdown, sharpe, sortino;
    std::optional<int> peak, trough;  // boundary indices
    std::optional<double> best, worst, positive;
};

// Six months up 2 %, then six down 1 %: mean 0.005, deviations +-0.015, so s = 0.015
// sqrt(12/11), volatility 18 / sqrt(11) and Sharpe sqrt(11) / 3; the downside deviation is
// sqrt(0.0001 / 2), so Sortino is sqrt(6). The fall runs from b(6) to b(12).
const std::vector<double> kUpThenDown = Repeated({0.02}, 6) + Repeated({-0.01}, 6);
// The same with 5 % of deviation: s = 0.005 sqrt(12/11).
const double kSmallDeviation = 0.005 * std::sqrt(12.0 / 11);

const RiskCase kCases[] = {
    // W: 1, 1.1, 0.88, 0.924, 0.8316, 1.08108; the fall from 1.1 to 0.8316 is the deepest.
    {"DrawdownFromTheHighToTheBottom",
     {0.10, -0.20, 0.05, -0.10, 0.30},
     0,
     std::nullopt,
     (0.8316 / 1.1 - 1) * 100,
     std::nullopt,
     std::nullopt,
     1,
     4,
     30,
     -20,
     60},
    // W: 1, 1.5, 1.5, 0.75, 1.5, 0.75: the later of two equal highs, the first of two bottoms.
    {"TiesTakeTheLastPeakAndTheFirstTrough",
     {0.5, 0.0, -0.5, 1.0, -0.5},
     0,
     std::nullopt,
     -50,
     std::nullopt,
     std::nullopt,
     2,
     3,
     100,
     -50,
     40},
    {"NoFallNoDrawdownDates",
     {0.01, 0.0, 0.02},
     0,
     std::nullopt,
     0,
     std::nullopt,
     std::nullopt,
     std::nullopt,
     std::nullopt,
     2,
     0,
     100 * 2.0 / 3},
    {"ElevenMonthsHaveNoDeviations", Repeated({0.02}, 6) + Repeated({-0.01}, 5), 0, std::nullopt,
     (std::pow(0.99, 5) - 1) * 100, std::nullopt, std::nullopt, 6, 11, 2, -1, 100 * 6.0 / 11},
    {"TwelveMonths", kUpThenDown, 0, 18 / std::sqrt(11.0), (std::pow(0.99, 6) - 1) * 100,
     std::sqrt(11.0) / 3, std::sqrt(6.0), 6, 12, 2, -1, 50},
    // rf = 1.03^(1/12) - 1 lowers the excess mean; s(e) stays s(r).
    {"ARiskFreeRateLowersTheExcessReturn", kUpThenDown, 3, 18 / std::sqrt(11.0),
     (std::pow(0.99, 6) - 1) * 100, (0.005 - kRiskFreeOfThree) / 0.005 * std::sqrt(11.0) / 3,
     0.9957022135860474, 6, 12, 2, -1, 50},
    {"NoMonthBelowTheRiskFreeRateHasNoSortino", Repeated({0.02, 0.01}, 6), 0,
     kSmallDeviation* std::sqrt(12.0) * 100, 0, 0.015 / kSmallDeviation* std::sqrt(12.0),
     std::nullopt, std::nullopt, std::nullopt, 2, 1, 100},
    // No deviation: no Sharpe. Every month is below rf = 1.3^(1/12) - 1, so Sortino is
    // e x 12 / (|e| x sqrt(12)).
    {"AConstantSeriesHasNoSharpe", Repeated({0.013}, 12), 30, 0, 0, std::nullopt, -std::sqrt(12.0),
     std::nullopt, std::nullopt, 1.3, 1.3, 100},
};

void PrintTo(const RiskCase& c, std::ostream* out) { *out << c.name; }

void ExpectFigure(const std::optional<double>& actual, const std::optional<double>& expected,
                  const char* what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (expected) {
        EXPECT_NEAR(*actual, *expected, 1e-9);
    }
}

class RiskFiguresTest : public ::testing::TestWithParam<RiskCase> {};

TEST_P(RiskFiguresTest, FiguresFollowTheirDefinitions) {
    const RiskCase& c = GetParam();
    const std::vector<Date> boundaries = Boundaries(c.returns.size());
    const RiskFigures figures = CalculateRiskFigures({boundaries, c.returns}, c.risk_free_percent);
    EXPECT_EQ(figures.months, static_cast<int>(c.returns.size()));
    ExpectFigure(figures.volatility, c.volatility, "volatility");
    ExpectFigure(figures.max_drawdown, c.max_drawdown, "max drawdown");
    ExpectFigure(figures.sharpe, c.sharpe, "Sharpe");
    ExpectFigure(figures.sortino, c.sortino, "Sortino");
    ExpectFigure(figures.best_month, c.best, "best");
    ExpectFigure(figures.worst_month, c.worst, "worst");
    ExpectFigure(figures.positive_months, c.positive, "positive");
    const auto boundary = [&](std::optional<int> k) -> std::optional<Date> {
        if (!k) return std::nullopt;
        return boundaries[static_cast<size_t>(*k)];
    };
    EXPECT_EQ(figures.peak, boundary(c.peak));
    EXPECT_EQ(figures.trough, boundary(c.trough));
}

INSTANTIATE_TEST_SUITE_P(Cases, RiskFiguresTest, ::testing::ValuesIn(kCases),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(RiskFiguresTest, NoMonthsNoFigures) {
    const RiskFigures figures = CalculateRiskFigures({}, 0);
    EXPECT_EQ(figures.months, 0);
    EXPECT_FALSE(figures.max_drawdown || figures.best_month || figures.positive_months ||
                 figures.volatility || figures.peak);
    EXPECT_NEAR(MonthlyRiskFreeRate(3), kRiskFreeOfThree, 1e-17);
}

// A withdrawal in a month without a value: (V - W + W/2) / (V - W/2) is 1, give or take an ulp.
TEST(RiskFiguresTest, ARatioAnUlpOffOneIsNoReturn) {
    const std::vector<Date> b = Boundaries(2);
    const MonthlyReturns monthly = MonthlyReturnsOf(
        {{b[0], b[1], 1000, 900, -100, std::nextafter(1.0, 0.0)}, {b[1], b[2], 900, 990, 0, 1.1}});
    EXPECT_EQ(monthly.boundaries, b);
    EXPECT_EQ(monthly.returns, (std::vector<double>{0, 1.1 - 1}));
}

}  // namespace
}  // namespace brevanta
