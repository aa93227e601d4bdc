#include "engine/calculation_run.h"

#include "core/parallel_for.h"
#include "engine/history_source.h"

namespace brevanta {

namespace {

// The arithmetic of about this many investments runs ahead on every core before their
// figures are stored and logged in order: enough to keep the cores busy, few enough that the
// histories and calculations waiting stay small.
constexpr size_t kInvestmentsAhead = 256;

PerformanceFigures NotCalculatedOn(Date performance_date) {
    PerformanceFigures figures;
    figures.PerformanceDate = performance_date;
    return figures;
}

// The name the log gives the portfolio; none for one that is gone.
std::string PortfolioNameOf(const DataStore& store, Pid portfolio_id) {
    const std::optional<PortfolioRecord> portfolio = store.portfolios().FindPortfolio(portfolio_id);
    return portfolio ? portfolio->Name : "";
}

}  // namespace

// One portfolio of a calculate-all run, and what is calculated ahead of storing it.
struct CalculationRun::PortfolioWork {
    Pid id;
    std::vector<HoldingRecord> holdings;  // HoldingsOfPortfolio
    std::vector<bool> started;            // by holding: its inception is before the date
    size_t started_count = 0;
    // Ahead, by holding: every history, and the calculation of each started one.
    std::vector<std::shared_ptr<const HoldingHistory>> histories;
    std::vector<std::optional<Calculation>> investments;
    std::shared_ptr<const TransactionTimeline> cash_flows;
    Calculation portfolio;
};

CalculationRun::CalculationRun(DataStore& store, const Clock& clock,
                               std::filesystem::path log_directory, Locale locale)
    : store_(store) {
    if (store_.settings().AuditLoggingOn()) {
        log_.emplace(log_directory / AuditLog::kFileName, clock, std::move(locale));
    }
}

Calculation CalculationRun::CalculateInvestment(Hid holding_id, Date performance_date) {
    Calculation calculation = InvestmentCalculation(holding_id, performance_date);
    if (calculation.calculated()) {
        const std::optional<HoldingRecord> holding = store_.holdings().FindHolding(holding_id);
        const bool stored =
            Stored(store_.holdings().StoreHoldingFigures(holding_id, calculation.stored_figures()));
        Log(stored,
            {holding ? PortfolioNameOf(store_, holding->PortfolioId) : "",
             holding ? holding->Name : ""},
            calculation);
    }
    return calculation;
}

Calculation CalculationRun::CalculatePortfolio(Pid portfolio_id, Date performance_date) {
    Calculation calculation = PortfolioCalculation(portfolio_id, performance_date);
    if (calculation.calculated()) {
        const bool stored = Stored(
            store_.portfolios().StorePortfolioFigures(portfolio_id, calculation.stored_figures()));
        Log(stored, {PortfolioNameOf(store_, portfolio_id), std::nullopt}, calculation);
    }
    return calculation;
}

InvestmentAndPortfolio CalculationRun::CalculateInvestmentAndPortfolio(Hid holding_id,
                                                                       Date performance_date) {
    const std::optional<HoldingRecord> holding = store_.holdings().FindHolding(holding_id);
    if (!holding) return {};
    InvestmentAndPortfolio both = {InvestmentCalculation(holding_id, performance_date),
                                   PortfolioCalculation(holding->PortfolioId, performance_date)};
    std::optional<bool> portfolio_stored;
    Conclude(*holding, both.investment, both.portfolio, portfolio_stored);
    return both;
}

void CalculationRun::StoreNotStarted(Hid holding_id, Date performance_date) {
    Stored(store_.holdings().StoreHoldingFigures(holding_id, NotCalculatedOn(performance_date)));
}

void CalculationRun::StoreNotStarted(Pid portfolio_id, Date performance_date) {
    Stored(
        store_.portfolios().StorePortfolioFigures(portfolio_id, NotCalculatedOn(performance_date)));
}

Status CalculationRun::CalculatePortfolios(const std::vector<PortfolioRecord>& portfolios,
                                           Date performance_date,
                                           const CalculationProgress& progress) {
    std::vector<PortfolioWork> plan;
    int total = 0;
    for (const PortfolioRecord& portfolio : portfolios) {
        PortfolioWork& work = plan.emplace_back();
        work.id = portfolio.Id;
        work.holdings = store_.holdings().HoldingsOfPortfolio(portfolio.Id);
        for (const HoldingRecord& holding : work.holdings) {
            work.started.push_back(holding.InceptionDate < performance_date);
            if (work.started.back()) ++work.started_count;
        }
        total += static_cast<int>(work.started_count);
    }

    // Every figure of the run takes effect at once, or none does.
    DataStore::Change figures(store_, "calculating performance");
    if (!figures.status().ok()) return figures.status();
    for (const PortfolioWork& work : plan) {
        for (size_t i = 0; i < work.holdings.size(); ++i) {
            if (!work.started[i]) StoreNotStarted(work.holdings[i].Id, performance_date);
        }
    }
    for (const PortfolioWork& work : plan) {
        if (work.started_count == 0 && !work.holdings.empty()) {
            StoreNotStarted(work.id, performance_date);
        }
    }

    int done = 0;
    for (size_t first = 0; first < plan.size();) {
        size_t end = first;
        for (size_t investments = 0;
             end < plan.size() && (end == first || investments < kInvestmentsAhead); ++end) {
            investments += plan[end].started_count;
        }
        const std::span<PortfolioWork> ahead(plan.data() + first, end - first);
        CalculateAhead(store_, ahead, performance_date);
        for (PortfolioWork& work : ahead) {
            std::optional<bool> portfolio_stored;
            for (size_t i = 0; i < work.holdings.size(); ++i) {
                if (!work.started[i]) continue;
                Conclude(work.holdings[i], *work.investments[i], work.portfolio, portfolio_stored);
                if (progress) progress(++done, total);
            }
            work = PortfolioWork();  // stored: no need to keep it for the rest
        }
        first = end;
    }
    const Status committed = figures.Commit();
    return status_.ok() ? committed : status_;
}

Calculation CalculationRun::InvestmentCalculation(Hid holding_id, Date performance_date) const {
    const std::shared_ptr<const HoldingHistory> history = ReadHoldingHistory(store_, holding_id);
    return Calculate(MarketValuation::OfInvestment(history), history->transactions(),
                     performance_date);
}

Calculation CalculationRun::PortfolioCalculation(Pid portfolio_id, Date performance_date) const {
    return Calculate(MarketValuation::OfPortfolio(ReadPortfolioHoldings(store_, portfolio_id)),
                     *ReadPortfolioTransactions(store_, portfolio_id), performance_date);
}

// First every history and the investments' arithmetic, then the portfolios', which value all
// their investments.
void CalculationRun::CalculateAhead(const DataStore& store, std::span<PortfolioWork> ahead,
                                    Date performance_date) {
    struct HoldingTask {
        PortfolioWork* work;
        size_t index;  // into work's holdings
    };
    std::vector<HoldingTask> holdings;
    std::vector<PortfolioWork*> calculated;
    for (PortfolioWork& work : ahead) {
        if (work.started_count == 0) continue;
        work.histories.resize(work.holdings.size());
        work.investments.resize(work.holdings.size());
        for (size_t i = 0; i < work.holdings.size(); ++i) holdings.push_back({&work, i});
        calculated.push_back(&work);
    }
    ParallelFor(holdings.size() + calculated.size(), [&](size_t task) {
        if (task >= holdings.size()) {
            PortfolioWork& work = *calculated[task - holdings.size()];
            work.cash_flows = ReadPortfolioTransactions(store, work.id);
            return;
        }
        const auto [work, i] = holdings[task];
        std::shared_ptr<const HoldingHistory>& history = work->histories[i];
        history = ReadHoldingHistory(store, work->holdings[i].Id);
        if (work->started[i]) {
            work->investments[i] = Calculate(MarketValuation::OfInvestment(history),
                                             history->transactions(), performance_date);
        }
    });
    ParallelFor(calculated.size(), [&](size_t task) {
        PortfolioWork& work = *calculated[task];
        work.portfolio = Calculate(MarketValuation::OfPortfolio(work.histories), *work.cash_flows,
                                   performance_date);
    });
}

void CalculationRun::Conclude(const HoldingRecord& holding, const Calculation& investment,
                              const Calculation& portfolio, std::optional<bool>& portfolio_stored) {
    const std::string portfolio_name = PortfolioNameOf(store_, holding.PortfolioId);
    if (investment.calculated()) {
        const bool stored =
            Stored(store_.holdings().StoreHoldingFigures(holding.Id, investment.stored_figures()));
        Log(stored, {portfolio_name, holding.Name}, investment);
    }
    if (!portfolio.calculated()) return;
    if (!portfolio_stored) {
        portfolio_stored = Stored(store_.portfolios().StorePortfolioFigures(
            holding.PortfolioId, portfolio.stored_figures()));
    }
    Log(*portfolio_stored, {portfolio_name, std::nullopt}, portfolio);
}

void CalculationRun::Log(bool stored, const AuditLog::Subject& subject,
                         const Calculation& calculation) {
    if (calculation.yearly_flows) latest_flows_ = *calculation.yearly_flows;
    // A log that cannot be written is not a calculation failure: the figures stand, and the
    // caller may warn.
    if (!stored || !log_) return;
    const Status logged = log_->Append(subject, calculation, latest_flows_);
    if (!logged.ok() && log_status_.ok()) log_status_ = logged;
}

bool CalculationRun::Stored(const StoreResult<int>& stored) {
    if (!stored.ok() && status_.ok()) status_ = stored.status();
    return stored.ok();
}

}  // namespace brevanta
