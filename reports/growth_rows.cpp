#include "reports/growth_rows.h"

#include "core/date_format.h"
#include "core/number_format.h"

namespace brevanta {

std::vector<TextRow> BuildCalendarYearRows(const std::vector<CalendarYearReturn>& years,
                                           NumberStyle style, const Locale& locale) {
    const char* pattern = style == NumberStyle::Grouped ? "#,##0.00" : "0.00";
    const auto number = [&](double value) { return FormatNumber(value, pattern, locale); };
    std::vector<TextRow> rows;
    for (const CalendarYearReturn& year : years) {
        rows.push_back(
            {{},
             {std::to_string(year.year), year.partial ? "yes" : "no", number(year.time_weighted),
              year.dollar_weighted ? number(*year.dollar_weighted) : "n/a",
              number(year.market_value), number(year.net_contributions)}});
    }
    return rows;
}

std::string GrowthPointText(const GrowthPoint& point, const Locale& locale) {
    return FormatShortDate(point.date, locale) + ": market value " +
           FormatNumber(point.market_value, "#,##0.00", locale) + ", cost basis " +
           FormatNumber(point.cost_basis, "#,##0.00", locale);
}

}  // namespace brevanta
