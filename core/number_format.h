#pragma once

#include <string>
#include <string_view>

#include "core/locale.h"

namespace brevanta {

// Formats value with a number pattern: '#' optional digit, '0' required digit, ','
// thousands grouping (anywhere left of the point), '.' decimal point; other characters are
// copied before the number when they stand before its first placeholder, after it otherwise
// ("$#,###.00", "0.0000%": no scaling); a minus before the whole text for negatives. Rounds half
// away from zero on the decimal value held (the float 1234567.89 is 1234567.875, so "$#,###.00"
// gives $1,234,567.88); a value that rounds to zero shows no minus. NaN gives "NAN", infinities
// "INF" and "-INF". Separators come from locale.
std::string FormatNumber(double value, std::string_view pattern,
                         const Locale& locale = Locale::EnUs());

}  // namespace brevanta
