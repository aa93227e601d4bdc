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

std::vector<SubPeriod> PeriodMeasures::SubPeriods(const std::vector<Date>& boundaries) const {
    assert(!boundaries.empty());
    std::vector<SubPeriod> periods;
    periods.reserve(boundaries.size() - 1);
    double bmv = MarketValue(boundaries.front());
    for (size_t k = 1; k < boundaries.size(); ++k) {
        SubPeriod& period = periods.emplace_back();
        period.start = boundaries[k - 1];
        period.end = boundaries[k];
        period.bmv = bmv;
        period.emv = MarketValue(period.end);
        period.soc = NetCashFlow(period.start, period.end);
        period.ror = SubPeriodReturn(period.bmv, period.emv, period.soc, ReturnForm::Ratio);
        bmv = period.emv;
    }
    return periods;
}

double PeriodMeasures::LinkedProduct(const std::vector<Date>& boundaries,
                                     std::vector<SubPeriodRecord>* audit) const {
    double product = 1;
    for (const SubPeriod& period : SubPeriods(boundaries)) {
        if (audit) {
            audit->push_back(MakeSubPeriodRecord(period.start, period.end, period.bmv, period.emv,
                                                 period.soc, period.ror));
        }
        product = product * period.ror;
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
