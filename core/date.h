#pragma once

#include <chrono>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace brevanta {

// A calendar day without time of day, held as a day count so that ordering and
// equality are plain integer comparisons.
class Date {
  public:
    // The zero date, 30 December 1899: the "no value yet" start of a search.
    constexpr Date() = default;

    // Nullopt when year, month and day do not form a real day.
    static std::optional<Date> FromYmd(int year, int month, int day);
    // REQUIRES: year, month and day form a real day.
    static Date Ymd(int year, int month, int day);
    static Date FromSysDays(std::chrono::sys_days days) { return Date(days); }

    // Strict "yyyymmdd": exactly eight digits naming a real day; anything else is nullopt.
    static std::optional<Date> ParseYyyymmdd(std::string_view text);
    std::string ToYyyymmdd() const;

    int year() const;
    int month() const;  // 1..12
    int day() const;    // 1..31
    std::chrono::sys_days sys_days() const { return days_; }

    Date AddDays(int n) const { return Date(days_ + std::chrono::days(n)); }
    int DaysSince(Date other) const { return static_cast<int>((days_ - other.days_).count()); }

    friend bool operator==(Date a, Date b) { return a.days_ == b.days_; }
    friend auto operator<=>(Date a, Date b) { return a.days_ <=> b.days_; }

  private:
    constexpr explicit Date(std::chrono::sys_days days) : days_(days) {}

    std::chrono::sys_days days_{
        std::chrono::sys_days(std::chrono::year(1899) / std::chrono::December / 30)};
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// 1 January 1900, stored "19000101": a performance date that was never set.
inline const Date NoDate = Date::Ymd(1900, 1, 1);

// The first and last date a user may type or import; the day before the first is NoDate, so
// that no entered date reads as "not calculated".
inline const Date kFirstEnteredDate = Date::Ymd(1900, 1, 2);
inline const Date kLastEnteredDate = Date::Ymd(2099, 12, 31);

inline bool IsEnterableDate(Date date) {
    return date >= kFirstEnteredDate && date <= kLastEnteredDate;
}

}  // namespace brevanta
