#include "engine/growth.h"

#include <memory>

#include "engine/history_source.h"
#include "engine/performance_engine.h"

namespace brevanta {

namespace {

Growth GrowthOver(const MarketValuation& valuation, const TransactionTimeline& cash_flows,
                  Date performance_date) {
    Growth growth;
    growth.performance_date = performance_date;
    if (PerformanceEngine::CheckTransactions(cash_flows) != PerformanceEngine::kCalculated) {
        return growth;
    }
    const GrowthCalculator calculator(valuation, cash_flows);
    growth.years = calculator.CalendarYears(performance_date);
    growth.month_ends = calculator.MonthEnds(performance_date);
    return growth;
}

}  // namespace

Date DefaultGrowthDate(const DataStore& store, const GrowthSubject& subject, Date today) {
    std::optional<Date> stored;
    if (subject.is_portfolio()) {
        if (const auto portfolio = store.portfolios().FindPortfolio(subject.portfolio_id)) {
            stored = portfolio->PerformanceDate;
        }
    } else if (const auto holding =
                   store.holdings().FindHoldingIn(subject.portfolio_id, *subject.holding_id)) {
        stored = holding->PerformanceDate;
    }
    return stored && *stored != NoDate ? *stored : today;
}

Growth GrowthOf(const DataStore& store, const GrowthSubject& subject, Date performance_date) {
    HistorySource histories(store);
    if (subject.is_portfolio()) {
        return GrowthOver(MarketValuation::OfPortfolio(histories.HoldingsOf(subject.portfolio_id)),
                          *histories.PortfolioTransactions(subject.portfolio_id), performance_date);
    }
    const std::shared_ptr<const HoldingHistory> holding = histories.Holding(*subject.holding_id);
    return GrowthOver(MarketValuation::OfInvestment(holding), holding->transactions(),
                      performance_date);
}

}  // namespace brevanta
