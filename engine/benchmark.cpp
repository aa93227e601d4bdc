#include "engine/benchmark.h"

#include "engine/calculation.h"
#include "engine/period_calculator.h"
#include "engine/period_dates.h"
#include "engine/period_measures.h"

namespace brevanta {

BenchmarkFigures CalculateBenchmarkFigures(const MarketValuation& valuation,
                                           const TransactionTimeline& cash_flows,
                                           Date performance_date, int subject_inception_months) {
    BenchmarkFigures figures;
    if (subject_inception_months == 0) return figures;
    const Calculation calculation = Calculate(valuation, cash_flows, performance_date);
    if (!calculation.calculated()) return figures;
    for (ReportingPeriod period : kReportingPeriods) {
        const float figure = calculation.figures[TimeWeightedFigure(period)];
        if (period != ReportingPeriod::Inception && figure != NotCalculated) {
            figures.time_weighted[static_cast<size_t>(period)] = figure;
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
