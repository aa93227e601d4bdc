#include "engine/performance_engine.h"

#include "engine/market_valuation.h"
#include "engine/period_calculator.h"
#include "engine/transaction_timeline.h"

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

// The stored form leaves out INCD, which no calculation produces.
PerformanceFigures StoredFigures(Date performance_date, const CalculationResults& results) {
    PerformanceFigures stored;
    stored.PerformanceDate = performance_date;
    for (int i = 0; i < kHoldingFigureCount; ++i) {
        const int from =
            i == kInceptionAnnualisedDollarFigure ? static_cast<int>(Figure::IncAnnD) : i;
        stored.Figures[i] = results.figures[from];
    }
    return stored;
}

// Refuses a transaction list that cannot start a calculation.
int CheckTransactions(const std::vector<TransactionRecord>& transactions) {
    if (transactions.empty()) return PerformanceEngine::kNoTransactions;
    if (transactions.front().Type != CashContributionCode) {
        return PerformanceEngine::kFirstNotContribution;
    }
    return PerformanceEngine::kCalculated;
}

}  // namespace

PerformanceEngine::PerformanceEngine(DataStore& store, const Clock& clock,
                                     std::filesystem::path log_directory, Locale locale)
    : store_(store) {
    if (store_.AuditLoggingOn()) {
        log_.emplace(log_directory / AuditLog::kFileName, clock, std::move(locale));
    }
}

PerformanceEngine::PerformanceEngine(DataStore& store, float holding_id)
    : store_(store), holding_id_(holding_id) {}

HoldingHistory PerformanceEngine::HistoryOf(float holding_id) const {
    std::vector<HoldingHistory::Value> values;
    for (const ValueRecord& record : store_.ValuesOfHolding(holding_id)) {
        values.push_back({record.Date, record.Value});
    }
    return HoldingHistory(std::move(values), TimelineOf(store_.TransactionsOfHolding(holding_id)));
}

double PerformanceEngine::MarketValueAt(Date d) const {
    return MarketValuation::OfInvestment(HistoryOf(holding_id_)).At(d);
}

int PerformanceEngine::CalculateInvestment(float holding_id, Date performance_date) {
    holding_id_ = holding_id;
    const std::vector<TransactionRecord> transactions = store_.TransactionsOfHolding(holding_id);
    if (const int code = CheckTransactions(transactions); code != kCalculated) return code;
    const std::optional<HoldingRecord> holding = store_.FindHolding(holding_id);
    const std::optional<PortfolioRecord> portfolio =
        holding ? store_.FindPortfolio(holding->PortfolioId) : std::nullopt;

    const MarketValuation valuation = MarketValuation::OfInvestment(HistoryOf(holding_id));
    const TransactionTimeline cash_flows = TimelineOf(transactions);
    PeriodCalculator(valuation, cash_flows, performance_date)
        .Run(investment_results_, yearly_flows_);

    return Conclude(store_.StoreHoldingFigures(
                        holding_id, StoredFigures(performance_date, investment_results_)),
                    {portfolio ? portfolio->Name : "", holding ? holding->Name : ""},
                    investment_results_);
}

int PerformanceEngine::CalculatePortfolio(float portfolio_id, Date performance_date) {
    const std::vector<TransactionRecord> transactions =
        store_.TransactionsOfPortfolio(portfolio_id);
    if (const int code = CheckTransactions(transactions); code != kCalculated) return code;
    const std::optional<PortfolioRecord> portfolio = store_.FindPortfolio(portfolio_id);

    std::vector<HoldingHistory> holdings;
    for (const HoldingRecord& holding : store_.HoldingsOfPortfolio(portfolio_id)) {
        holdings.push_back(HistoryOf(holding.Id));
    }
    const MarketValuation valuation = MarketValuation::OfPortfolio(std::move(holdings));
    const TransactionTimeline cash_flows = TimelineOf(transactions);
    PeriodCalculator(valuation, cash_flows, performance_date)
        .Run(portfolio_results_, yearly_flows_);

    return Conclude(store_.StorePortfolioFigures(
                        portfolio_id, StoredFigures(performance_date, portfolio_results_)),
                    {portfolio ? portfolio->Name : "", std::nullopt}, portfolio_results_);
}

int PerformanceEngine::Conclude(const StoreResult<int>& stored, const AuditLog::Subject& subject,
                                const CalculationResults& results) {
    if (!stored.ok()) {
        if (status_.ok()) status_ = stored.status();
        return kNotStored;
    }
    // A log that cannot be written is not a calculation failure: it is skipped silently.
    if (log_) log_->Append(subject, results, yearly_flows_);
    return kCalculated;
}

}  // namespace brevanta
