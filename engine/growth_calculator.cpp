#include "engine/growth_calculator.h"

#include <cassert>

#include "engine/period_dates.h"
#include "engine/time_weighted.h"

namespace brevanta {

namespace {

Date YearEnd(int year) { return Date::Ymd(year, 12, 31); }

bool IsMonthEnd(Date date) { return date.day() == DaysInMonth(date.year(), date.month()); }

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
    row.time_weighted = *TimeWeightedOver(start, end);
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

std::vector<CalendarMonthReturn> GrowthCalculator::CalendarMonths(Date performance_date) const {
    std::vector<CalendarMonthReturn> months;
    if (performance_date < first_transaction_) return months;
    for (const SubPeriod& period :
         measures_.SubPeriods(MonthEndBoundaries(first_transaction_, performance_date))) {
        months.push_back({period.end.year(), period.end.month(), period.start, period.end,
                          !IsMonthEnd(period.start) || !IsMonthEnd(period.end),
                          CumulativePercent(period.ror)});
    }
    return months;
}

std::optional<double> GrowthCalculator::TimeWeightedOver(Date start, Date end) const {
    if (start < first_transaction_) return std::nullopt;
    return CumulativePercent(measures_.LinkedProduct(MonthEndBoundaries(start, end), nullptr));
}

std::optional<MonthlyReturns> GrowthCalculator::MonthlyReturnsOver(int months,
                                                                   Date performance_date) const {
    if (!IsOldEnough(first_transaction_, performance_date, months)) return std::nullopt;
    return MonthlyReturnsOf(measures_.SubPeriods(MonthlyBoundaries(performance_date, months)));
}

MonthlyReturns GrowthCalculator::InceptionMonthlyReturns(Date performance_date) const {
    const int months = InceptionMonths(first_transaction_, performance_date);
    return MonthlyReturnsOver(months, performance_date).value_or(MonthlyReturns{});
}

}  // namespace brevanta
