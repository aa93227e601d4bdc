#pragma once

#include <memory>
#include <vector>

#include "engine/holding_history.h"
#include "engine/transaction_timeline.h"
#include "store/data_store.h"

namespace brevanta {

// The engine's view of the store's histories, read afresh on every call. Safe to call from
// several threads at once while nothing changes the store.

// The investment's OpeningValue and values, OpeningContribution and transactions.
std::shared_ptr<const HoldingHistory> ReadHoldingHistory(const DataStore& store, Hid holding_id);
// One OpeningContribution per investment plus all transactions, by date.
std::shared_ptr<const TransactionTimeline> ReadPortfolioTransactions(const DataStore& store,
                                                                     Pid portfolio_id);
// The histories of the portfolio's investments, in the order of HoldingsOfPortfolio.
std::vector<std::shared_ptr<const HoldingHistory>> ReadPortfolioHoldings(const DataStore& store,
                                                                         Pid portfolio_id);

}  // namespace brevanta
