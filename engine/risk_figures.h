#pragma once

#include <optional>
#include <vector>

#include "core/date.h"
#include "engine/period_measures.h"

namespace brevanta {

// The monthly returns r1 ... rn that risk figures are built from, oldest first, as fractions
// (a sub-period's ratio - 1). Return k belongs to the period from boundaries[k - 1] to
// boundaries[k].
struct MonthlyReturns {
    std::vector<Date> boundaries;  // b(0) ... b(n); empty when n is 0
    std::vector<double> returns;   // r1 ... rn

    size_t size() const { return returns.size(); }
};

// The returns of consecutive sub-periods; one within 1e-12 of 0 is 0, as rounding leaves a
// period whose flows cancel exactly.
MonthlyReturns MonthlyReturnsOf(const std::vector<SubPeriod>& periods);

// How bumpy the ride was. Percent figures are the fraction x 100; Sharpe and Sortino are plain
// ratios. A figure without a value is not defined for the series ("n/a").
struct RiskFigures {
    int months = 0;
    std::optional<double> volatility;    // annualised, s(r) x sqrt(12)
    std::optional<double> max_drawdown;  // 0 or below
    std::optional<Date> peak;            // b(j) before the deepest fall; none for a drawdown of 0
    std::optional<Date> trough;          // b(k) at its bottom; none for a drawdown of 0
    std::optional<double> sharpe;
    std::optional<double> sortino;
    std::optional<double> best_month;
    std::optional<double> worst_month;
    std::optional<double> positive_months;  // share of the months with a return above 0
};

// With fewer monthly returns volatility, Sharpe and Sortino are not defined.
inline constexpr int kMinimumRiskMonths = 12;

// The monthly rate (1 + R/100)^(1/12) - 1 of a yearly risk-free rate R in percent.
double MonthlyRiskFreeRate(double risk_free_percent);

// With excess returns e = r - rf: Sharpe = mean(e) / s(e) x sqrt(12), none when s(e) is 0;
// Sortino = mean(e) x 12 / (sqrt(mean of min(e, 0)^2) x sqrt(12)), none when no e is below 0;
// s is the sample standard deviation. The drawdown's trough is the first period reaching the
// deepest fall of W(k) = W(k-1) x (1 + r(k)), W(0) = 1, below its running peak; the peak is
// the last boundary before it with the highest W. REQUIRES: boundaries has one more entry
// than returns, or both are empty; risk_free_percent > -100.
RiskFigures CalculateRiskFigures(const MonthlyReturns& monthly, double risk_free_percent);

}  // namespace brevanta
