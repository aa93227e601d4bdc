#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/date.h"
#include "core/locale.h"

namespace brevanta {

// Date patterns: "d" day, "dd" two-digit day, "m"/"mm" month likewise, "yy" two-digit year,
// "yyyy" four-digit year; letters in either case ("M/d/yyyy" works too); '/' is the locale's
// date separator; other characters are copied. Examples: "mm/dd/yyyy" gives 01/05/2001,
// "m/dd/yyyy" 1/05/2001, "mm/yyyy" 01/2001, "yyyymmdd" 20010105.
std::string FormatDate(Date date, std::string_view pattern, const Locale& locale = Locale::EnUs());

// The locale's short date format, always with a four-digit year.
std::string FormatShortDate(Date date, const Locale& locale = Locale::EnUs());

// Time patterns: "h"/"hh" hour, "n"/"nn" minutes, "s"/"ss" seconds (single letters without
// leading zeros); "am/pm" switches to the 12-hour clock and prints a lower-case am or pm; other
// characters are copied. Example: "h:n:s am/pm" gives "3:7:9 pm" for 15:07:09.
std::string FormatTime(TimeOfDay time, std::string_view pattern);

// Strict parse of a date typed or imported in the locale's short date format: fields in the
// format's order, day and month of one or two digits, a year of two (1950 to 2049) or four
// digits, the format's separators; blanks around the text are allowed. Anything else, or a day
// that does not exist ("2/30/2001"), is nullopt. A typed date asks for YearDigits::Four: a
// two-digit year would stand for a year the user never wrote.
enum class YearDigits { TwoOrFour, Four };
std::optional<Date> ParseShortDate(std::string_view text, const Locale& locale = Locale::EnUs(),
                                   YearDigits year_digits = YearDigits::TwoOrFour);

// locale with a short date format as the system writes it (Qt's "M/d/yy", "dd.MM.yyyy"): the
// first character that is not a pattern letter becomes the date separator, and '/' stands for
// it in the stored format. Day and month names (ddd, MMM) are shown as numbers.
Locale WithShortDateFormat(Locale locale, std::string_view format);

}  // namespace brevanta
