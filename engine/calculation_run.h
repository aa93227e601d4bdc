#pragma once

#include <functional>
#include <vector>

#include "core/date.h"
#include "core/status.h"
#include "engine/performance_engine.h"
#include "store/data_store.h"

namespace brevanta {

// Called after each investment with the investments done and the total to do.
using CalculationProgress = std::function<void(int done, int total)>;

// The calculate-all run: for each portfolio, for each of its investments (in the order of
// HoldingsOfPortfolio) whose inception date is before the performance date, the investment
// and then the portfolio, so the portfolio's last calculation stands. An investment that had
// not started by the date, and a portfolio none of whose investments had, get every figure
// NotCalculated under the date (a portfolio without investments keeps its figures). The
// figures are written as one DataStore::FigureBatch.
// Returns the engine's status (the first figures the store refused), else the batch's.
// REQUIRES: engine calculates on store.
Status CalculatePortfolios(DataStore& store, PerformanceEngine& engine,
                           const std::vector<PortfolioRecord>& portfolios, Date performance_date,
                           const CalculationProgress& progress = {});

}  // namespace brevanta
