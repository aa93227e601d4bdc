#include "reports/growth_rows.h"

#include <cassert>

#include "core/date_format.h"
#include "core/number_format.h"

namespace brevanta {

std::vector<TextRow> BuildCalendarYearRows(const std::vector<CalendarYearReturn>& years,
                                           NumberStyle style, const Locale& locale,
                                           const BenchmarkGrowth* benchmark) {
    const char* pattern = style == NumberStyle::Grouped ? "#,##0.00" : "0.00";
    const auto number = [&](const std::optional<double>& value) -> std::string {
        return value ? FormatNumber(*value, pattern, locale) : "n/a";
    };
    assert(!benchmark || benchmark->years.size() == years.size());
    std::vector<TextRow> rows;
    for (size_t i = 0; i < years.size(); ++i) {
        const CalendarYearReturn& year = years[i];
        TextRow& row = rows.emplace_back();
        row.cells = {
            std::to_string(year.year),
            year.partial ? BREVANTA_CAPTION("Reports", "yes") : BREVANTA_CAPTION("Reports", "no"),
            number(year.time_weighted),
            number(year.dollar_weighted),
            number(year.market_value),
            number(year.net_contributions)};
        if (benchmark) {
            const std::optional<double> compared = benchmark->years[i];
            row.cells.push_back(number(compared));
            row.cells.push_back(number(BenchmarkDifference(year.time_weighted, compared)));
        }
    }
    return rows;
}

Message GrowthPointText(const GrowthPoint& point, const Locale& locale) {
    return Message(
        BREVANTA_TEXT("Reports", "%1: market value %2, cost basis %3"),
        {FormatShortDate(point.date, locale), FormatNumber(point.market_value, "#,##0.00", locale),
         FormatNumber(point.cost_basis, "#,##0.00", locale)});
}

}  // namespace brevanta
