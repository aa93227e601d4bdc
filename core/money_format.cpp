#include "core/money_format.h"

#include <cmath>

#include "core/number_format.h"

namespace brevanta {

Currency LocaleCurrency(std::string symbol, const Locale& locale) {
    const CurrencyPlacement placement =
        symbol == kDollarSymbol ? CurrencyPlacement::Before : locale.currency_placement;
    return {std::move(symbol), placement};
}

std::string FormatMoney(double amount, std::string_view pattern, const Currency& currency,
                        const Locale& locale) {
    std::string number = FormatNumber(amount, pattern, locale);
    if (!std::isfinite(amount)) return number;
    std::string text;
    if (!number.empty() && number.front() == '-') {
        text = "-";
        number.erase(0, 1);
    }
    switch (currency.placement) {
        case CurrencyPlacement::Before:
            return text + currency.symbol + number;
        case CurrencyPlacement::BeforeWithBlank:
            return text + currency.symbol + ' ' + number;
        case CurrencyPlacement::After:
            return text + number + currency.symbol;
        case CurrencyPlacement::AfterWithBlank:
            return text + number + ' ' + currency.symbol;
    }
    return text + currency.symbol + number;
}

}  // namespace brevanta
