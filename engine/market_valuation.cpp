#include "engine/market_valuation.h"

#include "engine/history_source.h"

namespace brevanta {

MarketValuation MarketValuation::OfInvestment(History holding) {
    return MarketValuation({std::move(holding)}, HoldingHistory::LaterFlows::Always);
}

MarketValuation MarketValuation::OfPortfolio(std::vector<History> holdings) {
    return MarketValuation(std::move(holdings), HoldingHistory::LaterFlows::OnlyAfterAValue);
}

double MarketValuation::At(Date d) const {
    double total = 0;
    for (const History& holding : holdings_) total += holding->ValueAt(d, later_flows_);
    return total < 0 ? 0 : total;
}

double InvestmentMarketValue(const DataStore& store, Hid holding_id, Date d) {
    return MarketValuation::OfInvestment(ReadHoldingHistory(store, holding_id)).At(d);
}

}  // namespace brevanta
