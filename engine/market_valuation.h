#pragma once

#include <memory>
#include <vector>

#include "core/date.h"
#include "engine/holding_history.h"
#include "store/identifiers.h"

namespace brevanta {

class DataStore;

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

// The investment's market value at d in investment mode, over its history as the store
// holds it now: its latest value on or before d plus all its later flows up to d, even when
// that value is 0. Never negative; 0 for an unknown investment.
double InvestmentMarketValue(const DataStore& store, Hid holding_id, Date d);

}  // namespace brevanta
