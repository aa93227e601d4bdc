#include "core/date.h"

#include <cassert>
#include <cstdio>

namespace brevanta {

namespace {

std::chrono::year_month_day Split(std::chrono::sys_days days) {
    return std::chrono::year_month_day(days);
}

}  // namespace

std::optional<Date> Date::FromYmd(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    const std::chrono::year_month_day ymd{std::chrono::year(year),
                                          std::chrono::month(static_cast<unsigned>(month)),
                                          std::chrono::day(static_cast<unsigned>(day))};
    if (!ymd.ok()) return std::nullopt;
    return Date(std::chrono::sys_days(ymd));
}

Date Date::Ymd(int year, int month, int day) {
    const std::optional<Date> date = FromYmd(year, month, day);
    assert(date && "not a real day");
    return *date;
}

std::optional<Date> Date::ParseYyyymmdd(std::string_view text) {
    if (text.size() != 8) return std::nullopt;
    int parts[3] = {0, 0, 0};
    const int widths[3] = {4, 2, 2};
    size_t pos = 0;
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < widths[p]; ++i, ++pos) {
            const char c = text[pos];
            if (c < '0' || c > '9') return std::nullopt;
            parts[p] = parts[p] * 10 + (c - '0');
        }
    }
    return FromYmd(parts[0], parts[1], parts[2]);
}

std::string Date::ToYyyymmdd() const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", year(), month(), day());
    return buffer;
}

int Date::year() const { return static_cast<int>(Split(days_).year()); }
int Date::month() const { return static_cast<int>(static_cast<unsigned>(Split(days_).month())); }
int Date::day() const { return static_cast<int>(static_cast<unsigned>(Split(days_).day())); }

bool IsLeapYear(int year) { return std::chrono::year(year).is_leap(); }

int DaysInMonth(int year, int month) {
    const std::chrono::year_month_day_last last{
        std::chrono::year(year),
        std::chrono::month_day_last(std::chrono::month(static_cast<unsigned>(month)))};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

}  // namespace brevanta
