#pragma once

#include <array>
#include <functional>
#include <vector>

#include "core/date.h"

namespace brevanta {

// Net external cash flow of the dates a < t <= b.
using NetCashFlowFn = std::function<double(Date from, Date to)>;

// F(r) = BMV + sum of flow[i] / g^exponent[i] - EMV / g^end_exponent, with g = 1 + r.
// For g < 0 the powers are taken of |g| and every flow and EMV term is negated.
struct DollarWeightedEquation {
    double bmv = 0;
    double emv = 0;
    std::vector<double> flows;
    std::vector<double> exponents;  // one per flow
    double end_exponent = 1;

    double operator()(double rate) const;
};

// Inception flows: one net cash flow per year of the inception window, placed mid-year
// (a last partial year at the middle of its months). Unused buckets hold 0 in both arrays.
struct YearlyFlows {
    static constexpr int kBuckets = 50;
    std::array<double, kBuckets> socs{};
    std::array<double, kBuckets> pwrs{};
    double bmv = 0;
    double emv = 0;
    double nummonths = 0;  // q, the monthly periods of the window

    bool operator==(const YearlyFlows&) const = default;
};

// The equation of a trailing period of `years` whole years ending on pd.
DollarWeightedEquation TrailingYearsEquation(Date performance_date, int years, double bmv,
                                             double emv, const NetCashFlowFn& net_cash_flow);

// The yearly buckets of an inception window of q months (1 ... 600) ending on pd.
YearlyFlows InceptionYearlyFlows(Date performance_date, int months, double bmv, double emv,
                                 const NetCashFlowFn& net_cash_flow);

// The inception equation: EMV discounted over max(q, 12) / 12 years.
DollarWeightedEquation InceptionEquation(const YearlyFlows& flows);

enum class ZeroShortcut { Use, Skip };

// The annual rate (a fraction) found by a decimal digit-by-digit search: first downwards
// from 999.9999999 for the smallest grid rate with F >= 0; when that is not above 9e-7,
// upwards from -0.9999999. Never fails: rates beyond the grid come out at its ends.
// With ZeroShortcut::Use, BMV equal to EMV and no flows give 0 without searching.
double SolveDollarWeighted(const DollarWeightedEquation& equation, ZeroShortcut shortcut);

}  // namespace brevanta
