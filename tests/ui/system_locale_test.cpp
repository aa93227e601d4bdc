#include "ui/platform/system_locale.h"

#include <gtest/gtest.h>

namespace brevanta {
namespace {

TEST(SystemLocaleTest, UnitedStatesGivesPointCommaAndMonthFirstDates) {
    const Locale locale = LocaleFrom(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(locale.decimal_separator, '.');
    EXPECT_EQ(locale.thousand_separator, ',');
    EXPECT_EQ(locale.date_separator, '/');
    EXPECT_EQ(locale.short_date_format, "m/d/yyyy");
}

TEST(SystemLocaleTest, CLocaleFollowsTheUnitedStates) {
    const Locale locale = LocaleFrom(QLocale::c());
    EXPECT_EQ(locale.short_date_format, "m/d/yyyy");
    EXPECT_EQ(locale.thousand_separator, ',');
}

TEST(SystemLocaleTest, GermanSeparatorsAndFourDigitYears) {
    const Locale locale = LocaleFrom(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(locale.decimal_separator, ',');
    EXPECT_EQ(locale.thousand_separator, '.');
    EXPECT_EQ(locale.date_separator, '.');
    EXPECT_EQ(locale.short_date_format, "dd/mm/yyyy");
}

TEST(SystemLocaleTest, NoBreakGroupSeparatorBecomesABlank) {
    const Locale locale = LocaleFrom(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(locale.decimal_separator, ',');
    EXPECT_EQ(locale.thousand_separator, ' ');
}

// Where QLocale::toCurrencyString puts the symbol.
TEST(SystemLocaleTest, CurrencyPlacementFollowsTheLocalesCurrencyFormat) {
    const struct {
        QLocale locale;
        CurrencyPlacement placement;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), CurrencyPlacement::Before},
        {QLocale(QLocale::German, QLocale::Germany), CurrencyPlacement::AfterWithBlank},
        {QLocale(QLocale::Dutch, QLocale::Netherlands), CurrencyPlacement::BeforeWithBlank},
        {QLocale::c(), CurrencyPlacement::Before},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LocaleFrom(c.locale).currency_placement, c.placement)
            << c.locale.name().toStdString();
    }
}

TEST(SystemLocaleTest, DatesConvertBothWays) {
    EXPECT_EQ(ToQDate(Date::Ymd(2001, 3, 5)), QDate(2001, 3, 5));
    EXPECT_EQ(FromQDate(QDate(2024, 2, 29)), Date::Ymd(2024, 2, 29));
}

}  // namespace
}  // namespace brevanta
