#pragma once

#include <optional>
#include <string_view>

#include "core/locale.h"

namespace brevanta {

// Strict parse of a number typed by a user or read from a file: optional sign, digits, one
// locale decimal separator, optional exponent; surrounding blanks allowed. Grouping, currency
// signs, an empty text or trailing garbage ("1,000", "$100", "", "12a") are nullopt.
std::optional<double> ParseNumber(std::string_view text, const Locale& locale = Locale::EnUs());

}  // namespace brevanta
