#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/date.h"
#include "core/locale.h"

namespace brevanta {

// Date patterns: "d"/"dd" day, "m"/"mm" month, "yy"/"yyyy" year; '/' is the locale's date
// separator; other characters are copied. Examples: "mm/dd/yyyy", "m/dd/yyyy", "mm/yyyy",
// "yyyymmdd".
std::string FormatDate(Date date, std::string_view pattern, const Locale& locale = Locale::EnUs());

// The locale's short date format, always with a four-digit year.
std::string FormatShortDate(Date date, const Locale& locale = Locale::EnUs());

// Time patterns: "h"/"hh" hour, "n"/"nn" minutes, "s"/"ss" seconds, "am/pm" switches to the
// 12-hour clock and prints a lower-case am or pm. Example: "h:n:s am/pm" gives "3:07:09 pm".
std::string FormatTime(TimeOfDay time, std::string_view pattern);

// Strict parse of a date typed or imported in the locale's short date format (the year may
// have two or four digits). Anything else, or a day that does not exist, is nullopt.
std::optional<Date> ParseShortDate(std::string_view text, const Locale& locale = Locale::EnUs());

}  // namespace brevanta
