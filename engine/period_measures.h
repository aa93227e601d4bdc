#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/date.h"
#include "engine/calculation.h"
#include "engine/market_valuation.h"
#include "engine/transaction_timeline.h"

namespace brevanta {

// What every return of one investment or portfolio is built from: its market values and net
// cash flows, each remembered per date since periods share most of their boundaries, linked
// into sub-period returns and dollar-weighted rates.
class PeriodMeasures {
  public:
    // valuation and cash_flows must outlive the measures.
    PeriodMeasures(const MarketValuation& valuation, const TransactionTimeline& cash_flows)
        : valuation_(valuation), cash_flows_(cash_flows) {}

    double MarketValue(Date d) const;
    // The external flows dated from < t <= to.
    double NetCashFlow(Date from, Date to) const;

    // The sub-periods between consecutive boundaries, oldest first; none for a single
    // boundary. REQUIRES: boundaries not empty.
    std::vector<SubPeriod> SubPeriods(const std::vector<Date>& boundaries) const;

    // The product of the modified Dietz ratios of the sub-periods between consecutive
    // boundaries (1 for a single boundary), appending one audit entry each when audit is
    // given. REQUIRES: boundaries not empty.
    double LinkedProduct(const std::vector<Date>& boundaries,
                         std::vector<SubPeriodRecord>* audit) const;

    // The dollar-weighted annual rate, in percent, of the `years` whole years ending on end.
    double TrailingDollarWeighted(Date end, int years) const;

  private:
    const MarketValuation& valuation_;
    const TransactionTimeline& cash_flows_;
    mutable std::unordered_map<uint32_t, double> market_values_;
    mutable std::unordered_map<uint64_t, double> net_cash_flows_;
};

}  // namespace brevanta
