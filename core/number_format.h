#pragma once

#include <string>
#include <string_view>

#include "core/locale.h"

namespace brevanta {

// Formats value with a number pattern: '#' optional digit, '0' required digit, ','
// thousands grouping (anywhere left of the point), '.' decimal point, other characters
// copied as they stand; a leading minus for negatives. Rounds half away from zero on the
// decimal value held (the float 1234567.89 is 1234567.875, so "$#,###.00" gives
// $1,234,567.88). Separators come from locale.
std::string FormatNumber(double value, std::string_view pattern,
                         const Locale& locale = Locale::EnUs());

}  // namespace brevanta
