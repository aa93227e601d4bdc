#pragma once

#include <vector>

#include "core/date.h"
#include "engine/holding_history.h"

namespace brevanta {

// Market value at a date of one investment (investment mode) or of the pooled
// investments of a portfolio (portfolio mode). The modes differ for an investment whose
// latest value is 0: alone it is worth its later flows, in a portfolio nothing.
class MarketValuation {
  public:
    static MarketValuation OfInvestment(HoldingHistory holding);
    static MarketValuation OfPortfolio(std::vector<HoldingHistory> holdings);

    // Never negative: a negative total counts as 0.
    double At(Date d) const;

  private:
    MarketValuation(std::vector<HoldingHistory> holdings, HoldingHistory::LaterFlows later_flows)
        : holdings_(std::move(holdings)), later_flows_(later_flows) {}

    std::vector<HoldingHistory> holdings_;
    HoldingHistory::LaterFlows later_flows_;
};

}  // namespace brevanta
