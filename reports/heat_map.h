#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/locale.h"
#include "core/message.h"
#include "engine/growth_calculator.h"

namespace brevanta {

// The captions of the twelve month columns, January first.
inline constexpr std::array<const char*, 12> kHeatMapMonthCaptions = {
    BREVANTA_CAPTION("Reports", "Jan"), BREVANTA_CAPTION("Reports", "Feb"),
    BREVANTA_CAPTION("Reports", "Mar"), BREVANTA_CAPTION("Reports", "Apr"),
    BREVANTA_CAPTION("Reports", "May"), BREVANTA_CAPTION("Reports", "Jun"),
    BREVANTA_CAPTION("Reports", "Jul"), BREVANTA_CAPTION("Reports", "Aug"),
    BREVANTA_CAPTION("Reports", "Sep"), BREVANTA_CAPTION("Reports", "Oct"),
    BREVANTA_CAPTION("Reports", "Nov"), BREVANTA_CAPTION("Reports", "Dec")};

// One year of the heat map of monthly returns: its calendar months and its linked return.
struct HeatMapRow {
    int year = 0;
    std::array<std::optional<CalendarMonthReturn>, 12> months;  // January first
    double year_return = 0;  // the year's time-weighted return, percent
};

// One row per year, oldest first, each month in its column; a year the history covers for
// no whole day of a month (it began on 31 December) has no months.
std::vector<HeatMapRow> BuildHeatMapRows(const std::vector<CalendarMonthReturn>& months,
                                         const std::vector<CalendarYearReturn>& years);

// Colours saturate at this distance from 0, in percent, so that one extreme month does not
// wash out the rest: the 90th percentile (nearest rank) of the months' absolute returns, but
// at least 1, so that a calm series stays pale.
double HeatMapBound(const std::vector<CalendarMonthReturn>& months);

struct HeatMapColour {
    int red = 255;
    int green = 255;
    int blue = 255;

    bool operator==(const HeatMapColour&) const = default;
};

// A diverging scale centred on 0: white at 0, towards red below and green above, full at the
// bound and beyond. REQUIRES: bound > 0.
HeatMapColour HeatMapColourOf(double percent, double bound);

// "#rrggbb".
std::string HexColour(const HeatMapColour& colour);

// A month's or a year's return as its cell shows it, "#,##0.00".
std::string HeatMapPercentText(double percent, const Locale& locale);

// What a month's cell stands for: "<start> to <end>" in the short date format, with
// ", part of the month" when the history covers only part of it.
Message HeatMapPeriodText(const CalendarMonthReturn& month, const Locale& locale);

// The line under the map that explains its colours.
Message HeatMapLegendText(double bound, const Locale& locale);

}  // namespace brevanta
