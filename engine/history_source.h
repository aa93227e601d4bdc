#pragma once

#include <map>
#include <memory>
#include <vector>

#include "engine/holding_history.h"
#include "engine/transaction_timeline.h"
#include "store/data_store.h"

namespace brevanta {

// The engine's view of the store's histories: an investment's values and transactions, a
// portfolio's transactions and investments. Read afresh on every request, unless frozen:
// then each is read once and kept until thawed, which a calculation run over many
// investments and their portfolios relies on for its speed.
class HistorySource {
  public:
    // store must outlive the source.
    explicit HistorySource(const DataStore& store) : store_(store) {}

    // REQUIRES while frozen: no transaction, value or investment changes in the store.
    void Freeze() { frozen_ = true; }
    void Thaw();
    bool frozen() const { return frozen_; }

    // The investment's OpeningValue and values, OpeningContribution and transactions.
    std::shared_ptr<const HoldingHistory> Holding(Hid holding_id);
    // One OpeningContribution per investment plus all transactions, by date.
    std::shared_ptr<const TransactionTimeline> PortfolioTransactions(Pid portfolio_id);
    // The investments' histories in the order of HoldingsOfPortfolio.
    std::vector<std::shared_ptr<const HoldingHistory>> HoldingsOf(Pid portfolio_id);

    // What Holding and PortfolioTransactions read, read without the cache: safe to call from
    // several threads at once while nothing changes the store.
    static std::shared_ptr<const HoldingHistory> ReadHolding(const DataStore& store,
                                                             Hid holding_id);
    static std::shared_ptr<const TransactionTimeline> ReadPortfolioTransactions(
        const DataStore& store, Pid portfolio_id);
    // While frozen, keeps what those read, for Holding and PortfolioTransactions to give.
    void Keep(Hid holding_id, std::shared_ptr<const HoldingHistory> history);
    void Keep(Pid portfolio_id, std::shared_ptr<const TransactionTimeline> transactions);
    bool Keeps(Hid holding_id) const { return holdings_.contains(holding_id); }
    bool Keeps(Pid portfolio_id) const { return portfolio_transactions_.contains(portfolio_id); }

  private:
    const DataStore& store_;
    bool frozen_ = false;
    std::map<Hid, std::shared_ptr<const HoldingHistory>> holdings_;
    std::map<Pid, std::shared_ptr<const TransactionTimeline>> portfolio_transactions_;
    std::map<Pid, std::vector<Hid>> portfolio_holdings_;
};

}  // namespace brevanta
