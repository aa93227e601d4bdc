#include "engine/performance_engine.h"

#include <algorithm>
#include <cassert>

#include "core/parallel_for.h"
#include "engine/market_valuation.h"
#include "engine/period_calculator.h"
#include "engine/transaction_timeline.h"

namespace brevanta {

namespace {

PerformanceFigures StoredFigures(Date performance_date, const CalculationResults& results) {
    return {performance_date, results.figures};
}

PerformanceFigures NotCalculatedOn(Date performance_date) {
    PerformanceFigures figures;
    figures.PerformanceDate = performance_date;
    return figures;
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
    if (store_.settings().AuditLoggingOn()) {
        log_.emplace(log_directory / AuditLog::kFileName, clock, std::move(locale));
    }
}

PerformanceEngine::Calculation PerformanceEngine::Calculate(const MarketValuation& valuation,
                                                            const TransactionTimeline& cash_flows,
                                                            Date performance_date) {
    Calculation calculation;
    YearlyFlows flows;
    PeriodCalculator(valuation, cash_flows, performance_date).Run(calculation.results, flows);
    // Inception computed means the flows were computed too.
    if (!calculation.results.audit_list(ReportingPeriod::Inception).empty()) {
        calculation.flows = flows;
    }
    return calculation;
}

void PerformanceEngine::Adopt(Calculation calculation, CalculationResults& results) {
    results = std::move(calculation.results);
    // Flows only come with a computed inception; otherwise the last ones stay.
    if (calculation.flows) yearly_flows_ = std::move(*calculation.flows);
}

// First every history the portfolios need and the investments' arithmetic, then the
// portfolios' arithmetic, which values all their investments.
void PerformanceEngine::Precalculate(const std::vector<PortfolioSteps>& steps,
                                     Date performance_date) {
    assert(histories_.frozen());
    PrecalculateInvestments(steps, performance_date);
    PrecalculatePortfolios(steps, performance_date);
}

void PerformanceEngine::PrecalculateInvestments(const std::vector<PortfolioSteps>& steps,
                                                Date performance_date) {
    struct HoldingWork {
        Hid id;
        bool calculate = false;
        std::shared_ptr<const HoldingHistory> history;
        std::optional<Calculation> calculation;
    };
    std::vector<HoldingWork> holdings;
    std::vector<std::pair<Pid, std::shared_ptr<const TransactionTimeline>>> portfolios;
    for (const PortfolioSteps& step : steps) {
        for (const HoldingRecord& holding :
             store_.holdings().HoldingsOfPortfolio(step.portfolio_id)) {
            HoldingWork work;
            work.id = holding.Id;
            work.calculate = std::find(step.holding_ids.begin(), step.holding_ids.end(),
                                       holding.Id) != step.holding_ids.end() &&
                             !investment_calculations_.contains({holding.Id, performance_date});
            if (histories_.Keeps(holding.Id)) work.history = histories_.Holding(holding.Id);
            holdings.push_back(std::move(work));
        }
        if (!histories_.Keeps(step.portfolio_id))
            portfolios.emplace_back(step.portfolio_id, nullptr);
    }
    ParallelFor(holdings.size() + portfolios.size(), [&](size_t i) {
        if (i >= holdings.size()) {
            auto& [id, transactions] = portfolios[i - holdings.size()];
            transactions = HistorySource::ReadPortfolioTransactions(store_, id);
            return;
        }
        HoldingWork& work = holdings[i];
        if (!work.history) work.history = HistorySource::ReadHolding(store_, work.id);
        if (work.calculate && CheckTransactions(work.history->transactions()) == kCalculated) {
            work.calculation = Calculate(MarketValuation::OfInvestment(work.history),
                                         work.history->transactions(), performance_date);
        }
    });
    for (HoldingWork& work : holdings) {
        histories_.Keep(work.id, work.history);
        if (work.calculation) {
            investment_calculations_.emplace(std::pair{work.id, performance_date},
                                             std::move(*work.calculation));
        }
    }
    for (auto& [id, transactions] : portfolios) histories_.Keep(id, std::move(transactions));
}

void PerformanceEngine::PrecalculatePortfolios(const std::vector<PortfolioSteps>& steps,
                                               Date performance_date) {
    struct PortfolioWork {
        Pid id;
        std::shared_ptr<const TransactionTimeline> cash_flows;
        std::vector<std::shared_ptr<const HoldingHistory>> holdings;
        Calculation calculation;
    };
    std::vector<PortfolioWork> portfolio_work;
    for (const PortfolioSteps& step : steps) {
        PortfolioWork work;
        work.id = step.portfolio_id;
        work.cash_flows = histories_.PortfolioTransactions(work.id);
        if (CheckTransactions(*work.cash_flows) != kCalculated ||
            portfolio_calculations_.contains({work.id, performance_date}))
            continue;
        work.holdings = histories_.HoldingsOf(work.id);
        portfolio_work.push_back(std::move(work));
    }
    ParallelFor(portfolio_work.size(), [&](size_t i) {
        PortfolioWork& work = portfolio_work[i];
        work.calculation = Calculate(MarketValuation::OfPortfolio(work.holdings), *work.cash_flows,
                                     performance_date);
    });
    for (PortfolioWork& work : portfolio_work) {
        portfolio_calculations_.emplace(std::pair{work.id, performance_date},
                                        std::move(work.calculation));
    }
}

int PerformanceEngine::CalculateInvestment(Hid holding_id, Date performance_date) {
    const std::shared_ptr<const HoldingHistory> history = histories_.Holding(holding_id);
    const TransactionTimeline& cash_flows = history->transactions();
    if (const int code = CheckTransactions(cash_flows); code != kCalculated) return code;
    const std::optional<HoldingRecord> holding = store_.holdings().FindHolding(holding_id);
    const std::optional<PortfolioRecord> portfolio =
        holding ? store_.portfolios().FindPortfolio(holding->PortfolioId) : std::nullopt;

    Calculation calculation;
    if (const auto ahead = investment_calculations_.find({holding_id, performance_date});
        ahead != investment_calculations_.end()) {
        calculation = std::move(ahead->second);
        investment_calculations_.erase(ahead);
    } else {
        calculation =
            Calculate(MarketValuation::OfInvestment(history), cash_flows, performance_date);
    }
    Adopt(std::move(calculation), investment_results_);

    return Conclude(store_.holdings().StoreHoldingFigures(
                        holding_id, StoredFigures(performance_date, investment_results_)),
                    {portfolio ? portfolio->Name : "", holding ? holding->Name : ""},
                    investment_results_);
}

int PerformanceEngine::CalculatePortfolio(Pid portfolio_id, Date performance_date) {
    const std::shared_ptr<const TransactionTimeline> cash_flows =
        histories_.PortfolioTransactions(portfolio_id);
    if (const int code = CheckTransactions(*cash_flows); code != kCalculated) return code;
    const std::optional<PortfolioRecord> portfolio =
        store_.portfolios().FindPortfolio(portfolio_id);

    const auto calculate = [&] {
        return Calculate(MarketValuation::OfPortfolio(histories_.HoldingsOf(portfolio_id)),
                         *cash_flows, performance_date);
    };
    if (histories_.frozen()) {
        auto kept = portfolio_calculations_.find({portfolio_id, performance_date});
        if (kept == portfolio_calculations_.end()) {
            kept = portfolio_calculations_
                       .emplace(std::pair{portfolio_id, performance_date}, calculate())
                       .first;
        }
        Adopt(kept->second, portfolio_results_);
    } else {
        Adopt(calculate(), portfolio_results_);
    }

    return Conclude(store_.portfolios().StorePortfolioFigures(
                        portfolio_id, StoredFigures(performance_date, portfolio_results_)),
                    {portfolio ? portfolio->Name : "", std::nullopt}, portfolio_results_);
}

int PerformanceEngine::StoreNotStarted(Hid holding_id, Date performance_date) {
    return Stored(
        store_.holdings().StoreHoldingFigures(holding_id, NotCalculatedOn(performance_date)));
}

int PerformanceEngine::StoreNotStarted(Pid portfolio_id, Date performance_date) {
    return Stored(
        store_.portfolios().StorePortfolioFigures(portfolio_id, NotCalculatedOn(performance_date)));
}

int PerformanceEngine::Stored(const StoreResult<int>& stored) {
    if (stored.ok()) return kCalculated;
    if (status_.ok()) status_ = stored.status();
    return kNotStored;
}

int PerformanceEngine::Conclude(const StoreResult<int>& stored, const AuditLog::Subject& subject,
                                const CalculationResults& results) {
    if (const int code = Stored(stored); code != kCalculated) return code;
    // A log that cannot be written is not a calculation failure: the figures stand, and the
    // caller may warn.
    if (log_) {
        const Status logged = log_->Append(subject, results, yearly_flows_);
        if (!logged.ok() && log_status_.ok()) log_status_ = logged;
    }
    return kCalculated;
}

}  // namespace brevanta
