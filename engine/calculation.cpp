#include "engine/calculation.h"

#include "engine/period_calculator.h"

namespace brevanta {

Figure TimeWeightedFigure(ReportingPeriod period) {
    switch (period) {
        case ReportingPeriod::Month:
            return Figure::Month;
        case ReportingPeriod::Quarter:
            return Figure::Qtr;
        case ReportingPeriod::OneYear:
            return Figure::Ytd;
        case ReportingPeriod::ThreeYear:
            return Figure::ThYr;
        case ReportingPeriod::FiveYear:
            return Figure::FiYr;
        case ReportingPeriod::TenYear:
            return Figure::TeYr;
        case ReportingPeriod::Inception:
            break;
    }
    return Figure::IncAnn;
}

std::optional<Figure> DollarWeightedFigure(ReportingPeriod period) {
    switch (period) {
        case ReportingPeriod::Month:
            return std::nullopt;
        case ReportingPeriod::Quarter:
            return Figure::QtrD;
        case ReportingPeriod::OneYear:
            return Figure::YtdD;
        case ReportingPeriod::ThreeYear:
            return Figure::ThYrD;
        case ReportingPeriod::FiveYear:
            return Figure::FiYrD;
        case ReportingPeriod::TenYear:
            return Figure::TeYrD;
        case ReportingPeriod::Inception:
            break;
    }
    return Figure::IncAnnD;
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
