#include "engine/history_source.h"

namespace brevanta {

namespace {

TransactionTimeline TimelineOf(const std::vector<TransactionRecord>& transactions) {
    std::vector<TransactionTimeline::Entry> entries;
    entries.reserve(transactions.size());
    for (const TransactionRecord& record : transactions) {
        entries.push_back({record.Date, FlowKindOfCode(record.Type), record.Amount});
    }
    return TransactionTimeline(std::move(entries));
}

// The kept entry for key, read with `read` when there is none or the source is not frozen.
template <typename Key, typename Value, typename Read>
const Value& Kept(std::map<Key, Value>& kept, bool frozen, Key key, Read read) {
    if (!frozen) kept.clear();
    auto it = kept.find(key);
    if (it == kept.end()) it = kept.emplace(key, read()).first;
    return it->second;
}

}  // namespace

void HistorySource::Thaw() {
    frozen_ = false;
    holdings_.clear();
    portfolio_transactions_.clear();
    portfolio_holdings_.clear();
}

std::shared_ptr<const HoldingHistory> HistorySource::ReadHolding(const DataStore& store,
                                                                 Hid holding_id) {
    std::vector<HoldingHistory::Value> values;
    for (const ValueRecord& record : store.values().ValuesOfHolding(holding_id)) {
        values.push_back({record.Date, record.Value});
    }
    return std::make_shared<const HoldingHistory>(
        std::move(values), TimelineOf(store.transactions().TransactionsOfHolding(holding_id)));
}

std::shared_ptr<const TransactionTimeline> HistorySource::ReadPortfolioTransactions(
    const DataStore& store, Pid portfolio_id) {
    return std::make_shared<const TransactionTimeline>(
        TimelineOf(store.transactions().TransactionsOfPortfolio(portfolio_id)));
}

void HistorySource::Keep(Hid holding_id, std::shared_ptr<const HoldingHistory> history) {
    if (frozen_) holdings_.insert_or_assign(holding_id, std::move(history));
}

void HistorySource::Keep(Pid portfolio_id,
                         std::shared_ptr<const TransactionTimeline> transactions) {
    if (frozen_) portfolio_transactions_.insert_or_assign(portfolio_id, std::move(transactions));
}

std::shared_ptr<const HoldingHistory> HistorySource::Holding(Hid holding_id) {
    return Kept(holdings_, frozen_, holding_id, [&] { return ReadHolding(store_, holding_id); });
}

std::shared_ptr<const TransactionTimeline> HistorySource::PortfolioTransactions(Pid portfolio_id) {
    return Kept(portfolio_transactions_, frozen_, portfolio_id,
                [&] { return ReadPortfolioTransactions(store_, portfolio_id); });
}

std::vector<std::shared_ptr<const HoldingHistory>> HistorySource::HoldingsOf(Pid portfolio_id) {
    const std::vector<Hid> ids = Kept(portfolio_holdings_, frozen_, portfolio_id, [&] {
        std::vector<Hid> holding_ids;
        for (const HoldingRecord& holding : store_.holdings().HoldingsOfPortfolio(portfolio_id)) {
            holding_ids.push_back(holding.Id);
        }
        return holding_ids;
    });
    std::vector<std::shared_ptr<const HoldingHistory>> histories;
    for (Hid id : ids) histories.push_back(Holding(id));
    return histories;
}

}  // namespace brevanta
