#pragma once

#include <string>

namespace brevanta {

// Where the locale puts the currency symbol of a money text: "€23,639.72", "€ 23.639,72",
// "23.639,72€" or "23.639,72 €".
enum class CurrencyPlacement { Before, BeforeWithBlank, After, AfterWithBlank };

// The regional settings that number and date patterns follow. The GUI builds one from
// the system locale; everything below it receives one explicitly.
struct Locale {
    char decimal_separator = '.';
    char thousand_separator = ',';
    char date_separator = '/';
    // Short date format in the pattern letters of core/date_format.h (d, dd, m, mm, yy, yyyy;
    // '/' for the date separator), e.g. "m/d/yyyy". WithShortDateFormat builds it from Qt's.
    std::string short_date_format = "m/d/yyyy";
    CurrencyPlacement currency_placement = CurrencyPlacement::Before;

    static Locale EnUs() { return Locale(); }
};

}  // namespace brevanta
