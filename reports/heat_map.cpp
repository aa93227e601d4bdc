#include "reports/heat_map.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>

#include "core/date_format.h"
#include "core/number_format.h"

namespace brevanta {

namespace {

constexpr double kPercentile = 0.9;
constexpr double kSmallestBound = 1.0;
constexpr HeatMapColour kWhite{255, 255, 255};
constexpr HeatMapColour kLoss{217, 83, 79};
constexpr HeatMapColour kGain{76, 175, 80};

int Blend(int from, int to, double share) {
    return static_cast<int>(std::lround(from + (to - from) * share));
}

}  // namespace

std::vector<HeatMapRow> BuildHeatMapRows(const std::vector<CalendarMonthReturn>& months,
                                         const std::vector<CalendarYearReturn>& years) {
    std::vector<HeatMapRow> rows;
    for (const CalendarYearReturn& year : years) {
        HeatMapRow& row = rows.emplace_back();
        row.year = year.year;
        row.year_return = year.time_weighted;
        for (const CalendarMonthReturn& month : months) {
            if (month.year == year.year) row.months[static_cast<size_t>(month.month - 1)] = month;
        }
    }
    return rows;
}

double HeatMapBound(const std::vector<CalendarMonthReturn>& months) {
    if (months.empty()) return kSmallestBound;
    std::vector<double> sizes;
    for (const CalendarMonthReturn& month : months) sizes.push_back(std::abs(month.time_weighted));
    std::sort(sizes.begin(), sizes.end());
    const auto rank =
        static_cast<size_t>(std::ceil(kPercentile * static_cast<double>(sizes.size())));
    return std::max(kSmallestBound, sizes[std::max<size_t>(rank, 1) - 1]);
}

HeatMapColour HeatMapColourOf(double percent, double bound) {
    assert(bound > 0);
    const double share = std::min(std::abs(percent) / bound, 1.0);
    const HeatMapColour& full = percent < 0 ? kLoss : kGain;
    return {Blend(kWhite.red, full.red, share), Blend(kWhite.green, full.green, share),
            Blend(kWhite.blue, full.blue, share)};
}

std::string HexColour(const HeatMapColour& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string HeatMapPercentText(double percent, const Locale& locale) {
    return FormatNumber(percent, "#,##0.00", locale);
}

Message HeatMapPeriodText(const CalendarMonthReturn& month, const Locale& locale) {
    return Message(month.partial ? BREVANTA_TEXT("Reports", "%1 to %2, part of the month")
                                 : BREVANTA_TEXT("Reports", "%1 to %2"),
                   {FormatShortDate(month.start, locale), FormatShortDate(month.end, locale)});
}

Message HeatMapLegendText(double bound, const Locale& locale) {
    return Message(BREVANTA_TEXT("Reports",
                                 "Monthly time-weighted returns in percent, red below 0 and green "
                                 "above, the colour full from %1 % either way."),
                   {HeatMapPercentText(bound, locale)});
}

}  // namespace brevanta
