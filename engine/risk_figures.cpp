#include "engine/risk_figures.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <functional>
#include <numeric>

namespace brevanta {

namespace {

const double kSqrtTwelve = std::sqrt(12.0);

// A return closer to 0 than this is 0. A period whose flows cancel exactly (a withdrawal in a
// period without a value, say) has a ratio of 1 that the arithmetic may leave an ulp off; as
// a loss of 1e-16 it would make a drawdown and, alone below 0, a Sortino ratio of 1e15.
constexpr double kNoReturn = 1e-12;

double Mean(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

// With n - 1 in the denominator. Exactly 0 for equal values, whatever rounding their mean
// carries, so that a constant series has no Sharpe ratio. REQUIRES: two values or more.
double SampleDeviation(const std::vector<double>& values) {
    if (std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) == values.end()) {
        return 0;
    }
    const double mean = Mean(values);
    double squares = 0;
    for (const double value : values) squares += (value - mean) * (value - mean);
    return std::sqrt(squares / static_cast<double>(values.size() - 1));
}

struct Drawdown {
    double depth = 0;  // W(trough) / W(peak) - 1
    size_t peak = 0;
    size_t trough = 0;
};

Drawdown DeepestDrawdown(const std::vector<double>& returns) {
    Drawdown deepest;
    double wealth = 1;
    double high = 1;
    size_t high_at = 0;
    for (size_t k = 1; k <= returns.size(); ++k) {
        wealth *= 1 + returns[k - 1];
        // At equal highs the later one is the peak; at equal depths the first trough stands.
        if (wealth >= high) {
            high = wealth;
            high_at = k;
        }
        if (const double depth = wealth / high - 1; depth < deepest.depth) {
            deepest = {depth, high_at, k};
        }
    }
    return deepest;
}

}  // namespace

MonthlyReturns MonthlyReturnsOf(const std::vector<SubPeriod>& periods) {
    MonthlyReturns monthly;
    if (periods.empty()) return monthly;
    monthly.boundaries.push_back(periods.front().start);
    for (const SubPeriod& period : periods) {
        monthly.boundaries.push_back(period.end);
        const double r = period.ror - 1;
        monthly.returns.push_back(std::abs(r) < kNoReturn ? 0.0 : r);
    }
    return monthly;
}

double MonthlyRiskFreeRate(double risk_free_percent) {
    assert(risk_free_percent > -100);
    return std::pow(1 + risk_free_percent / 100, 1.0 / 12) - 1;
}

RiskFigures CalculateRiskFigures(const MonthlyReturns& monthly, double risk_free_percent) {
    const std::vector<double>& returns = monthly.returns;
    assert(returns.empty() ? monthly.boundaries.empty()
                           : monthly.boundaries.size() == returns.size() + 1);
    RiskFigures figures;
    figures.months = static_cast<int>(returns.size());
    if (returns.empty()) return figures;

    const Drawdown drawdown = DeepestDrawdown(returns);
    figures.max_drawdown = drawdown.depth * 100;
    if (drawdown.depth < 0) {
        figures.peak = monthly.boundaries[drawdown.peak];
        figures.trough = monthly.boundaries[drawdown.trough];
    }
    const auto [worst, best] = std::minmax_element(returns.begin(), returns.end());
    figures.best_month = *best * 100;
    figures.worst_month = *worst * 100;
    const auto positive =
        std::count_if(returns.begin(), returns.end(), [](double r) { return r > 0; });
    figures.positive_months =
        static_cast<double>(positive) / static_cast<double>(returns.size()) * 100;
    if (figures.months < kMinimumRiskMonths) return figures;

    figures.volatility = SampleDeviation(returns) * kSqrtTwelve * 100;
    const double risk_free = MonthlyRiskFreeRate(risk_free_percent);
    std::vector<double> excess;
    excess.reserve(returns.size());
    for (const double r : returns) excess.push_back(r - risk_free);
    const double mean_excess = Mean(excess);
    if (const double deviation = SampleDeviation(excess); deviation > 0) {
        figures.sharpe = mean_excess / deviation * kSqrtTwelve;
    }
    double downside_squares = 0;
    bool below = false;
    for (const double e : excess) {
        if (e < 0) {
            downside_squares += e * e;
            below = true;
        }
    }
    if (below) {
        const double downside = std::sqrt(downside_squares / static_cast<double>(excess.size()));
        figures.sortino = mean_excess * 12 / (downside * kSqrtTwelve);
    }
    return figures;
}

}  // namespace brevanta
