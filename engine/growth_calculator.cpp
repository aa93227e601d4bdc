#include "engine/growth_calculator.h"

#include <cassert>

#include "engine/period_dates.h"
#include "engine/time_weighted.h"

namespace brevanta {

namespace {

Date YearEnd(int year) { return Date::Ymd(year, 12, 31); }

}  // namespace

GrowthCalculator::GrowthCalculator(const MarketValuation& valuation,
                                   const TransactionTimeline& cash_flows)
    : cash_flows_(cash_flows), measures_(valuation, cash_flows) {
    assert(!cash_flows.empty());
    first_transaction_ = cash_flows.front().date;
}

std::vector<CalendarYearReturn> GrowthCalculator::CalendarYears(Date performance_date) const {
    std::vector<CalendarYearReturn> years;
    if (performance_date < first_transaction_) return years;
    for (int year = first_transaction_.year(); year <= performance_date.year(); ++year) {
        const Date start =
            year == first_transaction_.year() ? first_transaction_ : YearEnd(year - 1);
        const Date end = year == performance_date.year() ? performance_date : YearEnd(year);
        years.push_back(Year(year, start, end));
    }
    return years;
}

CalendarYearReturn GrowthCalculator::Year(int year, Date start, Date end) const {
    CalendarYearReturn row;
    row.year = year;
    row.start = start;
    row.end = end;
    row.partial = start != YearEnd(year - 1) || end != YearEnd(year);
    row.time_weighted =
        CumulativePercent(measures_.LinkedProduct(MonthEndBoundaries(start, end), nullptr));
    if (!row.partial) row.dollar_weighted = measures_.TrailingDollarWeighted(end, 1);
    row.market_value = measures_.MarketValue(end);
    row.net_contributions =
        year == first_transaction_.year()
            ? cash_flows_.Sum(std::nullopt, end, FlowMeasure::ExternalCashFlow, 0.0)
            : measures_.NetCashFlow(start, end);
    return row;
}

std::vector<GrowthPoint> GrowthCalculator::MonthEnds(Date performance_date) const {
    std::vector<GrowthPoint> points;
    if (performance_date < first_transaction_) return points;
    for (const Date date : MonthEndBoundaries(first_transaction_, performance_date)) {
        points.push_back({date, measures_.MarketValue(date),
                          cash_flows_.Sum(std::nullopt, date, FlowMeasure::MarketValue, 0.0)});
    }
    return points;
}

}  // namespace brevanta
