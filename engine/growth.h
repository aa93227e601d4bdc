#pragma once

#include <optional>
#include <vector>

#include "core/date.h"
#include "engine/benchmark.h"
#include "engine/calculation.h"
#include "engine/growth_calculator.h"
#include "engine/risk_figures.h"
#include "store/data_store.h"

namespace brevanta {

// Whose growth is asked for: one investment of a portfolio, or the whole portfolio.
struct GrowthSubject {
    Pid portfolio_id{};
    std::optional<Hid> holding_id;  // none: the portfolio

    bool is_portfolio() const { return !holding_id.has_value(); }
};

// A benchmark investment over the windows of a subject's growth.
struct BenchmarkGrowth {
    Hid holding_id{};
    // One per year of the subject, over the same window, in percent; none where the benchmark
    // is younger than the window.
    std::vector<std::optional<double>> years;
    // Over the subject's inception window; none when the benchmark is younger than it.
    std::optional<MonthlyReturns> inception_returns;
};

// The calendar-year returns, the month-end growth, the calendar-month returns and the monthly
// returns behind the risk figures of a subject as of a date.
struct Growth {
    Date performance_date;
    std::vector<CalendarYearReturn> years;
    std::vector<GrowthPoint> month_ends;
    std::vector<CalendarMonthReturn> months;
    MonthlyReturns inception_returns;
    std::optional<BenchmarkGrowth> benchmark;  // when one was given
};

// The subject's stored performance date, or today when it was never calculated or does not
// exist.
Date DefaultGrowthDate(const DataStore& store, const GrowthSubject& subject, Date today);

// Computed now from the subject's history as the engine calculates it: by investment-mode
// rules for an investment, by portfolio-mode rules for a portfolio, and for a benchmark by
// investment-mode rules. Nothing is stored. Nothing but the date when the engine could not
// calculate the subject (no transactions, or a first one that is not a contribution); no
// years and no months when the date is before its first transaction. A benchmark that cannot
// be calculated (an unknown investment among them) is there with every figure none.
Growth GrowthOf(const DataStore& store, const GrowthSubject& subject, Date performance_date,
                std::optional<Hid> benchmark = std::nullopt);

// The monthly returns of the subject's inception window as of the date, as GrowthOf gives
// them, without the rest of its growth.
MonthlyReturns InceptionReturnsOf(const DataStore& store, const GrowthSubject& subject,
                                  Date performance_date);

// The benchmark's monthly returns over the same periods as the subject's inception returns as
// of the date, as GrowthOf gives them; nullopt when the benchmark is younger than they are.
std::optional<MonthlyReturns> BenchmarkInceptionReturnsOf(const DataStore& store, Hid benchmark,
                                                          const MonthlyReturns& subject_returns,
                                                          Date performance_date);

// The figures and the monthly audit lists of the subject as of the date, as the engine would
// calculate them, by the rules of GrowthOf; nothing is stored. All not calculated when the
// engine could not calculate the subject.
Calculation CalculationOf(const DataStore& store, const GrowthSubject& subject,
                          Date performance_date);

// The benchmark's time-weighted figures over the subject's reporting periods as of the date,
// for the subject's stored figures as of that date to be compared with.
BenchmarkFigures BenchmarkFiguresOf(const DataStore& store, const GrowthSubject& subject,
                                    Hid benchmark, Date performance_date);

}  // namespace brevanta
