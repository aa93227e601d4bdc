#include "engine/market_valuation.h"

namespace brevanta {

MarketValuation MarketValuation::OfInvestment(HoldingHistory holding) {
    std::vector<HoldingHistory> holdings;
    holdings.push_back(std::move(holding));
    return MarketValuation(std::move(holdings), HoldingHistory::LaterFlows::Always);
}

MarketValuation MarketValuation::OfPortfolio(std::vector<HoldingHistory> holdings) {
    return MarketValuation(std::move(holdings), HoldingHistory::LaterFlows::OnlyAfterAValue);
}

double MarketValuation::At(Date d) const {
    double total = 0;
    for (const HoldingHistory& holding : holdings_) total += holding.ValueAt(d, later_flows_);
    return total < 0 ? 0 : total;
}

}  // namespace brevanta
