#include "core/date_series.h"

#include <algorithm>
#include <cassert>

namespace brevanta {

namespace {

int MonthsIn(RepeatPeriod period) {
    switch (period) {
        case RepeatPeriod::Year:
            return 12;
        case RepeatPeriod::Quarter:
            return 3;
        case RepeatPeriod::Month:
            break;
    }
    return 1;
}

// The date `months` calendar months later, the day cut to the length of the month reached
// (29 February in a common year becomes 28 February).
Date AddMonths(Date date, int months) {
    const int index = date.year() * 12 + date.month() - 1 + months;
    const int year = index / 12;
    const int month = index % 12 + 1;
    return Date::Ymd(year, month, std::min(date.day(), DaysInMonth(year, month)));
}

}  // namespace

std::vector<Date> SeriesDates(Date first, RepeatPeriod period, int count) {
    assert(count >= 0);
    std::vector<Date> dates;
    dates.reserve(static_cast<size_t>(count));
    for (int step = 0; step < count; ++step) {
        dates.push_back(AddMonths(first, step * MonthsIn(period)));
    }
    return dates;
}

}  // namespace brevanta
