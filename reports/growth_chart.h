#pragma once

#include <string>
#include <vector>

#include "core/date.h"
#include "core/locale.h"
#include "engine/growth_calculator.h"

namespace brevanta {

// Where a time axis from first to last is marked: on the first days of years, or of months
// when the span is under two years, every step-th one so that at most max_ticks remain.
struct TimeTicks {
    bool months = false;      // labelled "MMM yyyy" rather than by the year alone
    std::vector<Date> dates;  // ascending, within first..last
};
TimeTicks TimeAxisTicks(Date first, Date last, int max_ticks);

// The month-end market values against the cost basis as an inline SVG image, one line of a
// page per element: a money grid, year marks, the two lines and, on each market value, a
// point whose title (the browser's tooltip) is GrowthPointText. No script. Nothing for no
// points.
std::vector<std::string> GrowthChartSvg(const std::vector<GrowthPoint>& points,
                                        const Locale& locale);

}  // namespace brevanta
