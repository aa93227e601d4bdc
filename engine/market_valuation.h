#pragma once

#include <memory>
#include <vector>

#include "core/date.h"
#include "engine/holding_history.h"

namespace brevanta {

// Market value at a date of one investment (investment mode) or of the pooled
// investments of a portfolio (portfolio mode). The modes differ for an investment whose
// latest value is 0: alone it is worth its later flows, in a portfolio nothing.
class MarketValuation {
  public:
    using History = std::shared_ptr<const HoldingHistory>;

    static MarketValuation OfInvestment(History holding);
    static MarketValuation OfPortfolio(std::vector<History> holdings);

    // Never negative: a negative total counts as 0.
    double At(Date d) const;

  private:
    MarketValuation(std::vector<History> holdings, HoldingHistory::LaterFlows later_flows)
        : holdings_(std::move(holdings)), later_flows_(later_flows) {}

    std::vector<History> holdings_;
    HoldingHistory::LaterFlows later_flows_;
};

}  // namespace brevanta
