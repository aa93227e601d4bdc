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

SubPeriodRecord MakeRecord(Date start, Date end, double bmv, double emv, double soc, double ror) {
    return {start,
            end,
            static_cast<float>(bmv),
            static_cast<float>(emv),
            static_cast<float>(soc),
            static_cast<float>(ror)};
}

uint32_t DayNumber(Date d) {
    return static_cast<uint32_t>(d.sys_days().time_since_epoch().count());
}

}  // namespace

PeriodCalculator::PeriodCalculator(const MarketValuation& valuation,
                                   const TransactionTimeline& cash_flows, Date performance_date)
    : valuation_(valuation), cash_flows_(cash_flows), performance_date_(performance_date) {
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
    // 12 / q, taken as the reciprocal of q x (1/12).
    const double exponent = 1 / (months * (1.0 / 12));
    results.set(Figure::IncAnn, IsOlderThanOneYear(start, performance_date_)
                                    ? AnnualisedPercent(product, exponent)
                                    : CumulativePercent(product));
    yearly_flows = InceptionYearlyFlows(
        performance_date_, months, MarketValue(start), MarketValue(performance_date_),
        [this](Date from, Date to) { return NetCashFlow(from, to); });
    results.set(Figure::IncAnnD,
                SolveDollarWeighted(InceptionEquation(yearly_flows), ZeroShortcut::Skip) * 100);
    return true;
}

bool PeriodCalculator::Month(CalculationResults& results) const {
    if (!IsOldEnough(first_transaction_, performance_date_, 1)) return false;
    const Date start = SubtractMonths(performance_date_, 1);
    const double bmv = MarketValue(start);
    const double emv = MarketValue(performance_date_);
    const double soc = NetCashFlow(start, performance_date_);
    const double percent = SubPeriodReturn(bmv, emv, soc, ReturnForm::Percent);
    results.set(Figure::Month, percent);
    results.audit_list(ReportingPeriod::Month)
        .push_back(MakeRecord(start, performance_date_, bmv, emv, soc, percent));
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

    const Date start = SubtractMonths(performance_date_, months);
    const double bmv = MarketValue(start);
    const double emv = MarketValue(performance_date_);
    if (period == ReportingPeriod::Quarter) {
        results.set(
            figures.dollar_weighted,
            SubPeriodReturn(bmv, emv, NetCashFlow(start, performance_date_), ReturnForm::Percent));
        return true;
    }
    const DollarWeightedEquation equation =
        TrailingYearsEquation(performance_date_, months / 12, bmv, emv,
                              [this](Date from, Date to) { return NetCashFlow(from, to); });
    results.set(figures.dollar_weighted, SolveDollarWeighted(equation, ZeroShortcut::Use) * 100);
    return true;
}

double PeriodCalculator::LinkedProduct(int months, std::vector<SubPeriodRecord>& audit) const {
    const std::vector<Date> boundaries = MonthlyBoundaries(performance_date_, months);
    double product = 1;
    double bmv = MarketValue(boundaries[0]);
    for (int k = 0; k < months; ++k) {
        const Date start = boundaries[k];
        const Date end = boundaries[k + 1];
        const double emv = MarketValue(end);
        const double soc = NetCashFlow(start, end);
        const double ratio = SubPeriodReturn(bmv, emv, soc, ReturnForm::Ratio);
        audit.push_back(MakeRecord(start, end, bmv, emv, soc, ratio));
        product = product * ratio;
        bmv = emv;
    }
    return product;
}

double PeriodCalculator::MarketValue(Date d) const {
    const auto [it, inserted] = market_values_.try_emplace(DayNumber(d));
    if (inserted) it->second = valuation_.At(d);
    return it->second;
}

double PeriodCalculator::NetCashFlow(Date from, Date to) const {
    const auto [it, inserted] =
        net_cash_flows_.try_emplace(uint64_t{DayNumber(from)} << 32 | DayNumber(to));
    if (inserted) it->second = cash_flows_.Sum(from, to, FlowMeasure::ExternalCashFlow, 0.0);
    return it->second;
}

}  // namespace brevanta
