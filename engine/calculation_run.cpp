#include "engine/calculation_run.h"

namespace brevanta {

namespace {

// The arithmetic of about this many investments runs ahead on every core before their
// figures are stored and logged in order: enough to keep the cores busy, few enough that the
// results waiting to be stored stay small.
constexpr size_t kInvestmentsAhead = 256;

}  // namespace

Status CalculatePortfolios(DataStore& store, PerformanceEngine& engine,
                           const std::vector<PortfolioRecord>& portfolios, Date performance_date,
                           const CalculationProgress& progress) {
    std::vector<PerformanceEngine::PortfolioSteps> steps;
    std::vector<Hid> holdings_not_started;
    std::vector<Pid> portfolios_not_started;
    int total = 0;
    for (const PortfolioRecord& portfolio : portfolios) {
        PerformanceEngine::PortfolioSteps& step = steps.emplace_back();
        step.portfolio_id = portfolio.Id;
        const std::vector<HoldingRecord> holdings =
            store.holdings().HoldingsOfPortfolio(portfolio.Id);
        for (const HoldingRecord& holding : holdings) {
            (holding.InceptionDate < performance_date ? step.holding_ids : holdings_not_started)
                .push_back(holding.Id);
        }
        if (step.holding_ids.empty() && !holdings.empty())
            portfolios_not_started.push_back(portfolio.Id);
        total += static_cast<int>(step.holding_ids.size());
    }
    const PerformanceEngine::HistorySnapshot snapshot(engine);
    // Every figure of the run takes effect at once, or none does.
    DataStore::Change figures(store, "calculating performance");
    if (!figures.status().ok()) return figures.status();
    for (Hid holding_id : holdings_not_started)
        engine.StoreNotStarted(holding_id, performance_date);
    for (Pid portfolio_id : portfolios_not_started)
        engine.StoreNotStarted(portfolio_id, performance_date);
    int done = 0;
    for (size_t first = 0; first < steps.size();) {
        std::vector<PerformanceEngine::PortfolioSteps> ahead;
        size_t investments = 0;
        for (; first < steps.size() && (ahead.empty() || investments < kInvestmentsAhead);
             ++first) {
            investments += steps[first].holding_ids.size();
            if (!steps[first].holding_ids.empty()) ahead.push_back(steps[first]);
        }
        engine.Precalculate(ahead, performance_date);
        for (const PerformanceEngine::PortfolioSteps& step : ahead) {
            for (Hid holding_id : step.holding_ids) {
                engine.CalculateInvestment(holding_id, performance_date);
                engine.CalculatePortfolio(step.portfolio_id, performance_date);
                if (progress) progress(++done, total);
            }
        }
    }
    const Status stored = figures.Commit();
    return engine.status().ok() ? stored : engine.status();
}

}  // namespace brevanta
