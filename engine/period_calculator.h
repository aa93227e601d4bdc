#pragma once

#include "core/date.h"
#include "engine/calculation.h"
#include "engine/dollar_weighted.h"
#include "engine/market_valuation.h"
#include "engine/period_measures.h"
#include "engine/transaction_timeline.h"

namespace brevanta {

// The annualised "Inception" figure, in percent, of a product linked over an inception window
// of `months` monthly periods ending on performance_date: annualised with the exponent 12 /
// months when the window is older than one year, else cumulative. REQUIRES: months > 0.
double InceptionAnnualisedPercent(double product, int months, Date performance_date);

// Computes every period of one investment or portfolio as of a performance date, in the
// order Inception, Month, QTR, 1, 3, 5 and 10 Year, stopping at the first period the
// history is too young for; later periods keep the not-calculated marker.
class PeriodCalculator {
  public:
    // valuation and cash_flows must outlive the calculator. REQUIRES: cash_flows is not
    // empty; its first entry's date is the first transaction date.
    PeriodCalculator(const MarketValuation& valuation, const TransactionTimeline& cash_flows,
                     Date performance_date);

    // Fills the figures, the audit lists and the yearly flows of a calculation whose figures
    // are all NotCalculated and whose lists are empty.
    void Run(Calculation& calculation) const;

  private:
    bool Inception(Calculation& calculation) const;
    bool Month(Calculation& calculation) const;
    bool TrailingPeriod(ReportingPeriod period, Calculation& calculation) const;

    // The product of the monthly ratios of the last `months` months; one audit entry each.
    double LinkedProduct(int months, std::vector<SubPeriodRecord>& audit) const;

    PeriodMeasures measures_;
    Date performance_date_;
    Date first_transaction_;
};

}  // namespace brevanta
