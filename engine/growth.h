#pragma once

#include <optional>
#include <vector>

#include "core/date.h"
#include "engine/growth_calculator.h"
#include "store/data_store.h"

namespace brevanta {

// Whose growth is asked for: one investment of a portfolio, or the whole portfolio.
struct GrowthSubject {
    Pid portfolio_id{};
    std::optional<Hid> holding_id;  // none: the portfolio

    bool is_portfolio() const { return !holding_id.has_value(); }
};

// The calendar-year returns and the month-end growth of a subject as of a date.
struct Growth {
    Date performance_date;
    std::vector<CalendarYearReturn> years;
    std::vector<GrowthPoint> month_ends;
};

// The subject's stored performance date, or today when it was never calculated or does not
// exist.
Date DefaultGrowthDate(const DataStore& store, const GrowthSubject& subject, Date today);

// Computed now from the subject's history as the engine calculates it: by investment-mode
// rules for an investment, by portfolio-mode rules for a portfolio. Nothing is stored. No
// years and no points when the engine could not calculate the subject (no transactions, or
// a first one that is not a contribution) or the date is before its first transaction.
Growth GrowthOf(const DataStore& store, const GrowthSubject& subject, Date performance_date);

}  // namespace brevanta
