#include "engine/calculation_run.h"

namespace brevanta {

Status CalculatePortfolios(const DataStore& store, PerformanceEngine& engine,
                           const std::vector<PortfolioRecord>& portfolios, Date performance_date,
                           const CalculationProgress& progress) {
    std::vector<std::vector<HoldingRecord>> holdings;
    int total = 0;
    for (const PortfolioRecord& portfolio : portfolios) {
        holdings.push_back(store.HoldingsOfPortfolio(portfolio.Id));
        for (const HoldingRecord& holding : holdings.back()) {
            if (holding.InceptionDate < performance_date) ++total;
        }
    }
    const PerformanceEngine::HistorySnapshot snapshot(engine);
    int done = 0;
    for (size_t p = 0; p < portfolios.size(); ++p) {
        for (const HoldingRecord& holding : holdings[p]) {
            if (!(holding.InceptionDate < performance_date)) continue;
            engine.CalculateInvestment(holding.Id, performance_date);
            engine.CalculatePortfolio(portfolios[p].Id, performance_date);
            if (progress) progress(++done, total);
        }
    }
    return engine.status();
}

}  // namespace brevanta
