#include "core/money_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brevanta {
namespace {

TEST(MoneyFormatTest, TheSymbolStandsWhereThePlacementSaysAndTheMinusLeads) {
    const Locale de{',', '.', '.', "dd/mm/yyyy", CurrencyPlacement::AfterWithBlank};
    const struct {
        CurrencyPlacement placement;
        double amount;
        const char* text;
    } cases[] = {
        {CurrencyPlacement::Before, -1234.5, "-€1.234,50"},
        {CurrencyPlacement::BeforeWithBlank, 1234.5, "€ 1.234,50"},
        {CurrencyPlacement::After, 0.5, ",50€"},
        {CurrencyPlacement::AfterWithBlank, -1234.5, "-1.234,50 €"},
        {CurrencyPlacement::AfterWithBlank, std::nan(""), "NAN"},
        {CurrencyPlacement::AfterWithBlank, -INFINITY, "-INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatMoney(c.amount, "#,###.00", {"€", c.placement}, de), c.text);
    }
}

TEST(MoneyFormatTest, TheDollarLeadsUnderEveryLocaleAndAnotherSymbolFollowsTheLocale) {
    const Locale de{',', '.', '.', "dd/mm/yyyy", CurrencyPlacement::AfterWithBlank};
    EXPECT_EQ(LocaleCurrency("$", de).placement, CurrencyPlacement::Before);
    EXPECT_EQ(LocaleCurrency("€", de).placement, CurrencyPlacement::AfterWithBlank);
    EXPECT_EQ(LocaleCurrency("€", Locale::EnUs()).placement, CurrencyPlacement::Before);
    // A symbol with pattern characters in it is copied, never read as placeholders.
    EXPECT_EQ(FormatMoney(-2, "#,##0.00", {"Fr.", CurrencyPlacement::BeforeWithBlank}, {}),
              "-Fr. 2.00");
}

}  // namespace
}  // namespace brevanta
