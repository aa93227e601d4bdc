#include "engine/benchmark.h"

#include "engine/calculation_results.h"
#include "engine/dollar_weighted.h"
#include "engine/performance_engine.h"
#include "engine/period_calculator.h"
#include "engine/period_dates.h"
#include "engine/period_measures.h"

namespace brevanta {

namespace {

// The stored time-weighted figure of each fixed period.
constexpr std::array<std::pair<ReportingPeriod, Figure>, 6> kFixedPeriods = {{
    {ReportingPeriod::Month, Figure::Month},
    {ReportingPeriod::Quarter, Figure::Qtr},
    {ReportingPeriod::OneYear, Figure::Ytd},
    {ReportingPeriod::ThreeYear, Figure::ThYr},
    {ReportingPeriod::FiveYear, Figure::FiYr},
    {ReportingPeriod::TenYear, Figure::TeYr},
}};

}  // namespace

BenchmarkFigures CalculateBenchmarkFigures(const MarketValuation& valuation,
                                           const TransactionTimeline& cash_flows,
                                           Date performance_date, int subject_inception_months) {
    BenchmarkFigures figures;
    if (PerformanceEngine::CheckTransactions(cash_flows) != PerformanceEngine::kCalculated ||
        subject_inception_months == 0) {
        return figures;
    }
    CalculationResults results;
    YearlyFlows flows;
    PeriodCalculator(valuation, cash_flows, performance_date).Run(results, flows);
    for (const auto& [period, figure] : kFixedPeriods) {
        if (results.figure(figure) != NotCalculated) {
            figures.time_weighted[static_cast<size_t>(period)] = results.figure(figure);
        }
    }
    if (IsOldEnough(cash_flows.front().date, performance_date, subject_inception_months)) {
        const PeriodMeasures measures(valuation, cash_flows);
        const double product = measures.LinkedProduct(
            MonthlyBoundaries(performance_date, subject_inception_months), nullptr);
        figures.time_weighted[static_cast<size_t>(ReportingPeriod::Inception)] =
            InceptionAnnualisedPercent(product, subject_inception_months, performance_date);
    }
    return figures;
}

std::optional<double> BenchmarkDifference(std::optional<double> subject,
                                          std::optional<double> benchmark) {
    if (!subject || !benchmark) return std::nullopt;
    return *subject - *benchmark;
}

}  // namespace brevanta
