#pragma once

#include <array>
#include <optional>

#include "core/date.h"
#include "engine/market_valuation.h"
#include "engine/reporting_period.h"
#include "engine/transaction_timeline.h"

namespace brevanta {

// A benchmark's time-weighted figures, in percent, over the reporting periods of a subject as
// of the subject's performance date: "Month" to "10 Year" over their usual windows, as the
// benchmark's own calculation as of that date gives them; "Inception" over the subject's
// inception window, annualised as the subject's. None where the benchmark is younger than the
// period's window.
struct BenchmarkFigures {
    std::array<std::optional<double>, kReportingPeriodCount> time_weighted;

    std::optional<double> of(ReportingPeriod period) const {
        return time_weighted[static_cast<size_t>(period)];
    }
};

// The benchmark is valued in investment mode (valuation, cash_flows). All none when its
// transactions cannot start a calculation or subject_inception_months is 0.
BenchmarkFigures CalculateBenchmarkFigures(const MarketValuation& valuation,
                                           const TransactionTimeline& cash_flows,
                                           Date performance_date, int subject_inception_months);

// Return minus benchmark, in percentage points; none unless both are there.
std::optional<double> BenchmarkDifference(std::optional<double> subject,
                                          std::optional<double> benchmark);

}  // namespace brevanta
