#include "engine/calculation.h"

#include "engine/period_calculator.h"

namespace brevanta {

namespace {

// Each reporting period's stored figures, in the order of ReportingPeriod.
struct PeriodFigures {
    Figure time_weighted;
    std::optional<Figure> dollar_weighted;
};

constexpr std::array<PeriodFigures, kReportingPeriodCount> kPeriodFigures = {{
    {Figure::Month, std::nullopt},
    {Figure::Qtr, Figure::QtrD},
    {Figure::Ytd, Figure::YtdD},
    {Figure::ThYr, Figure::ThYrD},
    {Figure::FiYr, Figure::FiYrD},
    {Figure::TeYr, Figure::TeYrD},
    {Figure::IncAnn, Figure::IncAnnD},
}};

}  // namespace

Figure TimeWeightedFigure(ReportingPeriod period) {
    return kPeriodFigures[static_cast<size_t>(period)].time_weighted;
}

std::optional<Figure> DollarWeightedFigure(ReportingPeriod period) {
    return kPeriodFigures[static_cast<size_t>(period)].dollar_weighted;
}

CalculationStatus CheckTransactions(const TransactionTimeline& transactions) {
    if (transactions.empty()) return CalculationStatus::NoTransactions;
    if (transactions.front().kind != FlowKind::Contribution) {
        return CalculationStatus::FirstNotContribution;
    }
    return CalculationStatus::Calculated;
}

Calculation Calculate(const MarketValuation& valuation, const TransactionTimeline& cash_flows,
                      Date performance_date) {
    Calculation calculation;
    calculation.performance_date = performance_date;
    calculation.status = CheckTransactions(cash_flows);
    if (calculation.calculated()) {
        PeriodCalculator(valuation, cash_flows, performance_date).Run(calculation);
    }
    return calculation;
}

}  // namespace brevanta
