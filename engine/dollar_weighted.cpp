#include "engine/dollar_weighted.h"

#include <algorithm>

#include "engine/period_dates.h"
#include "engine/time_weighted.h"

namespace brevanta {

namespace {

constexpr int kSearchPasses = 10;
constexpr int kStepsPerPass = 9;

bool HasNoFlows(const DollarWeightedEquation& equation) {
    return equation.bmv == equation.emv && std::all_of(equation.flows.begin(), equation.flows.end(),
                                                       [](double flow) { return flow == 0; });
}

// Smallest grid rate of 100, 10, ... 0.0000001 steps below 999.9999999 with F >= 0.
double SearchDownwards(const DollarWeightedEquation& f) {
    double rate = 999.9999999;
    double step = 100;
    for (int pass = 0; pass < kSearchPasses; ++pass) {
        rate = rate - kStepsPerPass * step;
        if (f(rate) >= 0) {
            step = step * 0.1;
            continue;
        }
        for (int i = 0; i < kStepsPerPass; ++i) {
            rate = rate + step;
            if (f(rate) >= 0) {
                step = step * 0.1;
                break;
            }
        }
    }
    return rate;
}

// Largest grid rate of 0.1, 0.01, ... steps above -0.9999999 with F not positive.
double SearchUpwards(const DollarWeightedEquation& f) {
    double rate = -0.9999999;
    double step = 0.1;
    for (int pass = 0; pass < kSearchPasses; ++pass) {
        rate = rate + kStepsPerPass * step;
        if (!(f(rate) > 0)) {
            step = step * 0.1;
            continue;
        }
        for (int i = 0; i < kStepsPerPass; ++i) {
            rate = rate - step;
            if (!(f(rate) > 0)) {
                step = step * 0.1;
                break;
            }
        }
    }
    return rate;
}

}  // namespace

double DollarWeightedEquation::operator()(double rate) const {
    const double growth = 1 + rate;
    double value = bmv;
    for (size_t i = 0; i < flows.size(); ++i) {
        value = value + flows[i] / SignedPower(growth, exponents[i]);
    }
    return value - emv / SignedPower(growth, end_exponent);
}

DollarWeightedEquation TrailingYearsEquation(Date performance_date, int years, double bmv,
                                             double emv, const NetCashFlowFn& net_cash_flow) {
    DollarWeightedEquation equation;
    equation.bmv = bmv;
    equation.emv = emv;
    for (int j = 1; j <= years; ++j) {
        equation.flows.push_back(
            net_cash_flow(SubtractMonths(performance_date, 12 * (years + 1 - j)),
                          SubtractMonths(performance_date, 12 * (years - j))));
        equation.exponents.push_back(j - 0.5);
    }
    equation.end_exponent = years;
    return equation;
}

YearlyFlows InceptionYearlyFlows(Date performance_date, int months, double bmv, double emv,
                                 const NetCashFlowFn& net_cash_flow) {
    YearlyFlows flows;
    flows.bmv = bmv;
    flows.emv = emv;
    flows.nummonths = months;
    const int buckets = months / 12 + (months % 12 != 0 ? 1 : 0);
    for (int k = 0; k < YearlyFlows::kBuckets && k + 1 <= buckets; ++k) {
        if (k + 1 < buckets) {
            flows.socs[k] = net_cash_flow(SubtractMonths(performance_date, months - 12 * k),
                                          SubtractMonths(performance_date, months - 12 * k - 12));
            flows.pwrs[k] = k + 0.5;
        } else if (months < 12) {
            flows.socs[k] =
                net_cash_flow(SubtractMonths(performance_date, months), performance_date);
            flows.pwrs[k] = 0.5;
        } else {
            const int last_months = months - 12 * k;
            flows.socs[k] =
                net_cash_flow(SubtractMonths(performance_date, last_months), performance_date);
            flows.pwrs[k] = last_months % 12 != 0 ? k + last_months * 0.5 / 12 : k + 0.5;
        }
    }
    return flows;
}

DollarWeightedEquation InceptionEquation(const YearlyFlows& flows) {
    DollarWeightedEquation equation;
    equation.bmv = flows.bmv;
    equation.emv = flows.emv;
    equation.flows.assign(flows.socs.begin(), flows.socs.end());
    equation.exponents.assign(flows.pwrs.begin(), flows.pwrs.end());
    equation.end_exponent = std::max(flows.nummonths, 12.0) / 12;
    return equation;
}

double SolveDollarWeighted(const DollarWeightedEquation& equation, ZeroShortcut shortcut) {
    if (shortcut == ZeroShortcut::Use && HasNoFlows(equation)) return 0;
    const double rate = SearchDownwards(equation);
    if (rate > 0.0000009) return rate;
    return SearchUpwards(equation);
}

}  // namespace brevanta
