#include "engine/performance_engine.h"

#include "engine/market_valuation.h"
#include "engine/period_calculator.h"
#include "engine/transaction_timeline.h"

namespace brevanta {

namespace {

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

}  // namespace

int PerformanceEngine::CheckTransactions(const TransactionTimeline& transactions) {
    if (transactions.empty()) return kNoTransactions;
    if (transactions.front().kind != FlowKind::Contribution) return kFirstNotContribution;
    return kCalculated;
}

PerformanceEngine::PerformanceEngine(DataStore& store, const Clock& clock,
                                     std::filesystem::path log_directory, Locale locale)
    : store_(store), histories_(store) {
    if (store_.AuditLoggingOn()) {
        log_.emplace(log_directory / AuditLog::kFileName, clock, std::move(locale));
    }
}

int PerformanceEngine::CalculateInvestment(Hid holding_id, Date performance_date) {
    const std::shared_ptr<const HoldingHistory> history = histories_.Holding(holding_id);
    const TransactionTimeline& cash_flows = history->transactions();
    if (const int code = CheckTransactions(cash_flows); code != kCalculated) return code;
    const std::optional<HoldingRecord> holding = store_.FindHolding(holding_id);
    const std::optional<PortfolioRecord> portfolio =
        holding ? store_.FindPortfolio(holding->PortfolioId) : std::nullopt;

    const MarketValuation valuation = MarketValuation::OfInvestment(history);
    PeriodCalculator(valuation, cash_flows, performance_date)
        .Run(investment_results_, yearly_flows_);

    return Conclude(store_.StoreHoldingFigures(
                        holding_id, StoredFigures(performance_date, investment_results_)),
                    {portfolio ? portfolio->Name : "", holding ? holding->Name : ""},
                    investment_results_);
}

int PerformanceEngine::CalculatePortfolio(Pid portfolio_id, Date performance_date) {
    const std::shared_ptr<const TransactionTimeline> cash_flows =
        histories_.PortfolioTransactions(portfolio_id);
    if (const int code = CheckTransactions(*cash_flows); code != kCalculated) return code;
    const std::optional<PortfolioRecord> portfolio = store_.FindPortfolio(portfolio_id);

    if (last_portfolio_ && last_portfolio_->id == portfolio_id &&
        last_portfolio_->performance_date == performance_date) {
        // Inception computed means the flows were the portfolio's own, not left over.
        if (!portfolio_results_.audit_list(ReportingPeriod::Inception).empty()) {
            yearly_flows_ = last_portfolio_->flows;
        }
    } else {
        const MarketValuation valuation =
            MarketValuation::OfPortfolio(histories_.HoldingsOf(portfolio_id));
        PeriodCalculator(valuation, *cash_flows, performance_date)
            .Run(portfolio_results_, yearly_flows_);
        if (histories_.frozen()) {
            last_portfolio_ = LastPortfolio{portfolio_id, performance_date, yearly_flows_};
        }
    }

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
    // A log that cannot be written is not a calculation failure: the figures stand, and the
    // caller may warn.
    if (log_) {
        const Status logged = log_->Append(subject, results, yearly_flows_);
        if (!logged.ok() && log_status_.ok()) log_status_ = logged;
    }
    return kCalculated;
}

}  // namespace brevanta
