#pragma once

#include <string>
#include <string_view>

#include "core/locale.h"

namespace brevanta {

// The currency symbol money texts have always shown, and show while no other is chosen.
inline constexpr std::string_view kDollarSymbol = "$";

// A currency symbol and where money texts put it.
struct Currency {
    std::string symbol{kDollarSymbol};
    CurrencyPlacement placement = CurrencyPlacement::Before;
};

// The symbol placed as the locale places its currency; "$" leads under every locale, as it
// always has ("$23.639,72" under German).
Currency LocaleCurrency(std::string symbol, const Locale& locale);

// The amount in the number pattern (see FormatNumber: no symbol in it) with the currency's
// symbol placed, a minus before the whole text: "-€1,234.50", "-1.234,50 €". NaN and the
// infinities come bare, as FormatNumber gives them.
std::string FormatMoney(double amount, std::string_view pattern, const Currency& currency,
                        const Locale& locale);

}  // namespace brevanta
