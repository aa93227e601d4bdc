#include "engine/period_dates.h"

#include <cassert>

namespace brevanta {

namespace {

constexpr int kMaxInceptionMonths = 600;

}  // namespace

Date SubtractMonths(Date date, int n) {
    assert(n >= 0);
    int year = date.year();
    int month = date.month();
    int day = date.day();
    const int years = n > 11 ? n / 12 : 0;
    year -= years;
    const int months = n - 12 * years;
    if (month - months > 0) {
        month -= months;
    } else {
        year -= 1;
        month = month + 12 - months;
    }
    if (month == 2 && day > 28) {
        day = IsLeapYear(year) ? 29 : 28;
    } else if ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30) {
        day = 30;
    }
    return Date::Ymd(year, month, day);
}

Date AddYears(Date date, int n) {
    const int year = date.year() + n;
    int day = date.day();
    if (date.month() == 2 && day == 29 && !IsLeapYear(year)) day = 28;
    return Date::Ymd(year, date.month(), day);
}

std::vector<Date> MonthlyBoundaries(Date performance_date, int months) {
    std::vector<Date> boundaries;
    boundaries.reserve(static_cast<size_t>(months) + 1);
    for (int k = 0; k < months; ++k) {
        boundaries.push_back(SubtractMonths(performance_date, months - k));
    }
    boundaries.push_back(performance_date);
    return boundaries;
}

std::vector<Date> MonthEndBoundaries(Date start, Date end) {
    assert(!(end < start));
    std::vector<Date> boundaries = {start};
    for (int year = start.year(), month = start.month();;) {
        const Date month_end = Date::Ymd(year, month, DaysInMonth(year, month));
        if (!(month_end < end)) break;
        if (start < month_end) boundaries.push_back(month_end);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    if (start < end) boundaries.push_back(end);
    return boundaries;
}

bool IsOldEnough(Date first_transaction, Date performance_date, int months) {
    return !(SubtractMonths(performance_date, months) < first_transaction);
}

int InceptionMonths(Date first_transaction, Date performance_date) {
    int count = 0;
    for (int m = 1; m <= kMaxInceptionMonths; ++m) {
        if (!(first_transaction <= SubtractMonths(performance_date, m))) break;
        ++count;
    }
    return count;
}

bool IsOlderThanOneYear(Date window_start, Date performance_date) {
    return AddYears(window_start, 1) < performance_date;
}

}  // namespace brevanta
