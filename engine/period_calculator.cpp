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

// The exponent that annualises a trailing period's linked product; 0: not annualised.
double AnnualisingExponent(ReportingPeriod period) {
    switch (period) {
        case ReportingPeriod::ThreeYear:
            return kThreeYearExponent;
        case ReportingPeriod::FiveYear:
            return kFiveYearExponent;
        case ReportingPeriod::TenYear:
            return kTenYearExponent;
        default:
            return 0;
    }
}

void Set(Calculation& calculation, Figure figure, double percent) {
    calculation.figures[figure] = static_cast<float>(percent);
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

void PeriodCalculator::Run(Calculation& calculation) const {
    if (!Inception(calculation)) return;
    if (!Month(calculation)) return;
    for (ReportingPeriod period :
         {ReportingPeriod::Quarter, ReportingPeriod::OneYear, ReportingPeriod::ThreeYear,
          ReportingPeriod::FiveYear, ReportingPeriod::TenYear}) {
        if (!TrailingPeriod(period, calculation)) return;
    }
}

bool PeriodCalculator::Inception(Calculation& calculation) const {
    const int months = InceptionMonths(first_transaction_, performance_date_);
    if (months == 0) return false;
    const Date start = SubtractMonths(performance_date_, months);
    const double product =
        LinkedProduct(months, calculation.audit_list(ReportingPeriod::Inception));
    Set(calculation, Figure::Inc, CumulativePercent(product));
    Set(calculation, Figure::IncAnn,
        InceptionAnnualisedPercent(product, months, performance_date_));
    const YearlyFlows& flows = calculation.yearly_flows.emplace(InceptionYearlyFlows(
        performance_date_, months, measures_.MarketValue(start),
        measures_.MarketValue(performance_date_),
        [this](Date from, Date to) { return measures_.NetCashFlow(from, to); }));
    Set(calculation, Figure::IncAnnD,
        SolveDollarWeighted(InceptionEquation(flows), ZeroShortcut::Skip) * 100);
    return true;
}

bool PeriodCalculator::Month(Calculation& calculation) const {
    if (!IsOldEnough(first_transaction_, performance_date_, 1)) return false;
    const Date start = SubtractMonths(performance_date_, 1);
    const double bmv = measures_.MarketValue(start);
    const double emv = measures_.MarketValue(performance_date_);
    const double soc = measures_.NetCashFlow(start, performance_date_);
    const double percent = SubPeriodReturn(bmv, emv, soc, ReturnForm::Percent);
    Set(calculation, Figure::Month, percent);
    calculation.audit_list(ReportingPeriod::Month)
        .push_back(MakeSubPeriodRecord(start, performance_date_, bmv, emv, soc, percent));
    return true;
}

bool PeriodCalculator::TrailingPeriod(ReportingPeriod period, Calculation& calculation) const {
    const int months = PeriodMonths(period);
    if (!IsOldEnough(first_transaction_, performance_date_, months)) return false;
    const double exponent = AnnualisingExponent(period);
    const double product = LinkedProduct(months, calculation.audit_list(period));
    Set(calculation, TimeWeightedFigure(period),
        exponent == 0 ? CumulativePercent(product) : AnnualisedPercent(product, exponent));

    const Figure dollar_weighted = *DollarWeightedFigure(period);
    if (period == ReportingPeriod::Quarter) {
        const Date start = SubtractMonths(performance_date_, months);
        Set(calculation, dollar_weighted,
            SubPeriodReturn(measures_.MarketValue(start), measures_.MarketValue(performance_date_),
                            measures_.NetCashFlow(start, performance_date_), ReturnForm::Percent));
        return true;
    }
    Set(calculation, dollar_weighted,
        measures_.TrailingDollarWeighted(performance_date_, months / 12));
    return true;
}

double PeriodCalculator::LinkedProduct(int months, std::vector<SubPeriodRecord>& audit) const {
    return measures_.LinkedProduct(MonthlyBoundaries(performance_date_, months), &audit);
}

}  // namespace brevanta
