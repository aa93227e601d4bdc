#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/locale.h"
#include "core/message.h"
#include "engine/growth.h"
#include "engine/growth_calculator.h"
#include "reports/text_row.h"

namespace brevanta {

// The captions of the calendar-year table, in the order of its cells.
inline constexpr std::array<const char*, 6> kCalendarYearColumns = {
    BREVANTA_CAPTION("Reports", "Year"),
    BREVANTA_CAPTION("Reports", "Partial"),
    BREVANTA_CAPTION("Reports", "Time-weighted %"),
    BREVANTA_CAPTION("Reports", "Dollar-weighted %"),
    BREVANTA_CAPTION("Reports", "Market value"),
    BREVANTA_CAPTION("Reports", "Net contributions")};

// The captions the table appends with a benchmark: its return over the year's window and the
// difference in percentage points (return - benchmark).
inline constexpr std::array<const char*, 2> kBenchmarkColumns = {
    BREVANTA_CAPTION("Reports", "Benchmark %"), BREVANTA_CAPTION("Reports", "Difference")};

// How the table writes its numbers: grouped for people ("#,##0.00"), plain for files ("0.00").
enum class NumberStyle { Grouped, Plain };

// One row per year (ids: the years): the year, "yes" or "no", the two percentages (the
// dollar-weighted one "n/a" for a partial year), the market value and the net contributions;
// with a benchmark (its years those of `years`) then the kBenchmarkColumns, "n/a" where the
// benchmark is younger than the year's window.
std::vector<TextRow> BuildCalendarYearRows(const std::vector<CalendarYearReturn>& years,
                                           NumberStyle style, const Locale& locale,
                                           const BenchmarkGrowth* benchmark = nullptr);

// What a point of the growth chart says: "<date>: market value <amount>, cost basis <amount>".
Message GrowthPointText(const GrowthPoint& point, const Locale& locale);

}  // namespace brevanta
