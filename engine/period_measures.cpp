#include "engine/period_measures.h"

#include <cassert>

#include "engine/dollar_weighted.h"
#include "engine/period_dates.h"
#include "engine/time_weighted.h"

namespace brevanta {

namespace {

uint32_t DayNumber(Date d) {
    return static_cast<uint32_t>(d.sys_days().time_since_epoch().count());
}

}  // namespace

double PeriodMeasures::MarketValue(Date d) const {
    const auto [it, inserted] = market_values_.try_emplace(DayNumber(d));
    if (inserted) it->second = valuation_.At(d);
    return it->second;
}

double PeriodMeasures::NetCashFlow(Date from, Date to) const {
    const auto [it, inserted] =
        net_cash_flows_.try_emplace(uint64_t{DayNumber(from)} << 32 | DayNumber(to));
    if (inserted) it->second = cash_flows_.Sum(from, to, FlowMeasure::ExternalCashFlow, 0.0);
    return it->second;
}

double PeriodMeasures::LinkedProduct(const std::vector<Date>& boundaries,
                                     std::vector<SubPeriodRecord>* audit) const {
    assert(!boundaries.empty());
    double product = 1;
    double bmv = MarketValue(boundaries.front());
    for (size_t k = 1; k < boundaries.size(); ++k) {
        const Date start = boundaries[k - 1];
        const Date end = boundaries[k];
        const double emv = MarketValue(end);
        const double soc = NetCashFlow(start, end);
        const double ratio = SubPeriodReturn(bmv, emv, soc, ReturnForm::Ratio);
        if (audit) audit->push_back(MakeSubPeriodRecord(start, end, bmv, emv, soc, ratio));
        product = product * ratio;
        bmv = emv;
    }
    return product;
}

double PeriodMeasures::TrailingDollarWeighted(Date end, int years) const {
    const DollarWeightedEquation equation = TrailingYearsEquation(
        end, years, MarketValue(SubtractMonths(end, 12 * years)), MarketValue(end),
        [this](Date from, Date to) { return NetCashFlow(from, to); });
    return SolveDollarWeighted(equation, ZeroShortcut::Use) * 100;
}

}  // namespace brevanta
