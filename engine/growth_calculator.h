#pragma once

#include <optional>
#include <vector>

#include "core/date.h"
#include "engine/market_valuation.h"
#include "engine/period_measures.h"
#include "engine/risk_figures.h"
#include "engine/transaction_timeline.h"

namespace brevanta {

// The returns of one calendar year of a history, or of the part of it the history covers.
struct CalendarYearReturn {
    int year = 0;
    Date start;  // 31 December of the year before, or the first transaction date
    Date end;    // 31 December, or the performance date
    bool partial = false;
    // Monthly modified Dietz ratios linked over the year, not annualised, in percent.
    double time_weighted = 0;
    // The one-year dollar-weighted rate ending on 31 December, in percent; full years only.
    std::optional<double> dollar_weighted;
    double market_value = 0;  // at end
    // Contributions minus withdrawals dated in the year; the first year counts those dated on
    // its first day too, so the years add up to all the history's net contributions.
    double net_contributions = 0;
};

// The market value and the cost basis (contributions and reinvested dividends, minus
// withdrawals, dated on or before the date) at one date.
struct GrowthPoint {
    Date date;
    double market_value = 0;
    double cost_basis = 0;
};

// The time-weighted return of one calendar month, or of the part of it the history covers:
// the monthly periods that the calendar years link.
struct CalendarMonthReturn {
    int year = 0;
    int month = 0;  // 1..12
    Date start;     // the last day of the month before, or the first transaction date
    Date end;       // the last day of the month, or the performance date
    bool partial = false;
    double time_weighted = 0;  // percent
};

// Calendar-year returns and month-end growth of one investment or portfolio as of a
// performance date, by the same measures as every other figure of the engine: a full year's
// time-weighted and dollar-weighted figures are the 1 Year figures calculated as of its
// 31 December.
class GrowthCalculator {
  public:
    // valuation and cash_flows must outlive the calculator. REQUIRES: cash_flows is not
    // empty; its first entry's date is the first transaction date.
    GrowthCalculator(const MarketValuation& valuation, const TransactionTimeline& cash_flows);

    // One row per calendar year from the first transaction's to the performance date's;
    // none when the performance date is before the first transaction. The first year starts
    // on the first transaction date and the last ends on the performance date; a year that
    // does not run from 31 December to 31 December is partial.
    std::vector<CalendarYearReturn> CalendarYears(Date performance_date) const;

    // The first transaction date, every month end after it and before the performance date,
    // and the performance date; none when that is before the first transaction.
    std::vector<GrowthPoint> MonthEnds(Date performance_date) const;

    // The calendar months of CalendarYears, oldest first; none when the performance date is
    // before the first transaction.
    std::vector<CalendarMonthReturn> CalendarMonths(Date performance_date) const;

    // The time-weighted return in percent over the calendar months from start to end, linked
    // as a calendar year; none when the history starts after start. REQUIRES: start <= end.
    std::optional<double> TimeWeightedOver(Date start, Date end) const;

    // The returns of the `months` monthly periods ending on the performance date, in the
    // engine's boundaries (SubtractMonths); none when the history starts after the first.
    std::optional<MonthlyReturns> MonthlyReturnsOver(int months, Date performance_date) const;
    // Those of the inception window: the periods of the inception audit list, in double
    // precision. Empty when the history is younger than a month.
    MonthlyReturns InceptionMonthlyReturns(Date performance_date) const;

  private:
    CalendarYearReturn Year(int year, Date start, Date end) const;

    const TransactionTimeline& cash_flows_;
    PeriodMeasures measures_;
    Date first_transaction_;
};

}  // namespace brevanta
