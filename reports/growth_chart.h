#pragma once

#include <string>
#include <vector>

#include "core/locale.h"
#include "engine/growth_calculator.h"

namespace brevanta {

// The month-end market values against the cost basis as an inline SVG image, one line of a
// page per element: a money grid, year marks, the two lines and, on each market value, a
// point whose title (the browser's tooltip) is GrowthPointText. No script. Nothing for no
// points.
std::vector<std::string> GrowthChartSvg(const std::vector<GrowthPoint>& points,
                                        const Locale& locale);

}  // namespace brevanta
