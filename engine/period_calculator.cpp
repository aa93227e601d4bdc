#include "engine/period_calculator.h"

#include <cassert>

#include "engine/period_dates.h"
#include "engine/time_weighted.h"

namespace brevanta {

namespace {

// Annualising exponents of the trailing periods: the decimal constants, not 1/3.
constexpr double kThreeYearExponent = 0.3333;
constexpr double kFiveYearExponent = 0.2;
constexpr double kTenYearExponent = 0.1;

struct TrailingFigures {
    Figure time_weighted;
    Figure dollar_weighted;
    double exponent;  // 0: not annualised
};

TrailingFigures FiguresOf(ReportingPeriod period) {
    switch (period) {
        case ReportingPeriod::Quarter:
            return {Figure::Qtr, Figure::QtrD, 0};
        case ReportingPeriod::OneYear:
            return {Figure::Ytd, Figure::YtdD, 0};
        case ReportingPeriod::ThreeYear:
            return {Figure::ThYr, Figure::ThYrD, kThreeYearExponent};
        case ReportingPeriod::FiveYear:
            return {Figure::FiYr, Figure::FiYrD, kFiveYearExponent};
        default:
            break;
    }
    return {Figure::TeYr, Figure::TeYrD, kTenYearExponent};
}

}  // namespace

double InceptionAnnualisedPercent(double product, int months, Date performance_date) {
    assert(months > 0);
    if (!IsOlderThanOneYear(SubtractMonths(performance_date, months), performance_date)) {
        return CumulativePercent(product);
    }
    // 12 / q, taken as the reciprocal of q x (1/12).
    return AnnualisedPercent(product, 1 / (months * (1.0 / 12)));
}

PeriodCalculator::PeriodCalculator(const MarketValuation& valuation,
                                   const TransactionTimeline& cash_flows, Date performance_date)
    : measures_(valuation, cash_flows), performance_date_(performance_date) {
    assert(!cash_flows.empty());
    first_transaction_ = cash_flows.front().date;
}

void PeriodCalculator::Run(CalculationResults& results, YearlyFlows& yearly_flows) const {
    results.Reset();
    if (!Inception(results, yearly_flows)) return;
    if (!Month(results)) return;
    for (ReportingPeriod period :
         {ReportingPeriod::Quarter, ReportingPeriod::OneYear, ReportingPeriod::ThreeYear,
          ReportingPeriod::FiveYear, ReportingPeriod::TenYear}) {
        if (!TrailingPeriod(period, results)) return;
    }
}

bool PeriodCalculator::Inception(CalculationResults& results, YearlyFlows& yearly_flows) const {
    const int months = InceptionMonths(first_transaction_, performance_date_);
    if (months == 0) return false;
    const Date start = SubtractMonths(performance_date_, months);
    const double product = LinkedProduct(months, results.audit_list(ReportingPeriod::Inception));
    results.set(Figure::Inc, CumulativePercent(product));
    results.set(Figure::IncAnn, InceptionAnnualisedPercent(product, months, performance_date_));
    yearly_flows = InceptionYearlyFlows(
        performance_date_, months, measures_.MarketValue(start),
        measures_.MarketValue(performance_date_),
        [this](Date from, Date to) { return measures_.NetCashFlow(from, to); });
    results.set(Figure::IncAnnD,
                SolveDollarWeighted(InceptionEquation(yearly_flows), ZeroShortcut::Skip) * 100);
    return true;
}

bool PeriodCalculator::Month(CalculationResults& results) const {
    if (!IsOldEnough(first_transaction_, performance_date_, 1)) return false;
    const Date start = SubtractMonths(performance_date_, 1);
    const double bmv = measures_.MarketValue(start);
    const double emv = measures_.MarketValue(performance_date_);
    const double soc = measures_.NetCashFlow(start, performance_date_);
    const double percent = SubPeriodReturn(bmv, emv, soc, ReturnForm::Percent);
    results.set(Figure::Month, percent);
    results.audit_list(ReportingPeriod::Month)
        .push_back(MakeSubPeriodRecord(start, performance_date_, bmv, emv, soc, percent));
    return true;
}

bool PeriodCalculator::TrailingPeriod(ReportingPeriod period, CalculationResults& results) const {
    const int months = PeriodMonths(period);
    if (!IsOldEnough(first_transaction_, performance_date_, months)) return false;
    const TrailingFigures figures = FiguresOf(period);
    const double product = LinkedProduct(months, results.audit_list(period));
    results.set(figures.time_weighted, figures.exponent == 0
                                           ? CumulativePercent(product)
                                           : AnnualisedPercent(product, figures.exponent));

    if (period == ReportingPeriod::Quarter) {
        const Date start = SubtractMonths(performance_date_, months);
        results.set(
            figures.dollar_weighted,
            SubPeriodReturn(measures_.MarketValue(start), measures_.MarketValue(performance_date_),
                            measures_.NetCashFlow(start, performance_date_), ReturnForm::Percent));
        return true;
    }
    results.set(figures.dollar_weighted,
                measures_.TrailingDollarWeighted(performance_date_, months / 12));
    return true;
}

double PeriodCalculator::LinkedProduct(int months, std::vector<SubPeriodRecord>& audit) const {
    return measures_.LinkedProduct(MonthlyBoundaries(performance_date_, months), &audit);
}

}  // namespace brevanta
