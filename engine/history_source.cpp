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

}  // namespace

std::shared_ptr<const HoldingHistory> ReadHoldingHistory(const DataStore& store, Hid holding_id) {
    std::vector<HoldingHistory::Value> values;
    for (const ValueRecord& record : store.values().ValuesOfHolding(holding_id)) {
        values.push_back({record.Date, record.Value});
    }
    return std::make_shared<const HoldingHistory>(
        std::move(values), TimelineOf(store.transactions().TransactionsOfHolding(holding_id)));
}

std::shared_ptr<const TransactionTimeline> ReadPortfolioTransactions(const DataStore& store,
                                                                     Pid portfolio_id) {
    return std::make_shared<const TransactionTimeline>(
        TimelineOf(store.transactions().TransactionsOfPortfolio(portfolio_id)));
}

std::vector<std::shared_ptr<const HoldingHistory>> ReadPortfolioHoldings(const DataStore& store,
                                                                         Pid portfolio_id) {
    std::vector<std::shared_ptr<const HoldingHistory>> histories;
    for (const HoldingRecord& holding : store.holdings().HoldingsOfPortfolio(portfolio_id)) {
        histories.push_back(ReadHoldingHistory(store, holding.Id));
    }
    return histories;
}

}  // namespace brevanta
