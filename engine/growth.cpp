#include "engine/growth.h"

#include <memory>

#include "engine/calculation.h"
#include "engine/history_source.h"
#include "engine/period_calculator.h"
#include "engine/period_dates.h"

namespace brevanta {

namespace {

// A history valued as the engine values it in one mode.
struct SubjectHistory {
    std::shared_ptr<const HoldingHistory> holding;               // investment mode
    std::shared_ptr<const TransactionTimeline> portfolio_flows;  // portfolio mode
    std::optional<MarketValuation> valuation;

    const TransactionTimeline& cash_flows() const {
        return holding ? holding->transactions() : *portfolio_flows;
    }
    bool calculable() const {
        return CheckTransactions(cash_flows()) == CalculationStatus::Calculated;
    }
    GrowthCalculator calculator() const { return GrowthCalculator(*valuation, cash_flows()); }
};

SubjectHistory InvestmentHistory(const DataStore& store, Hid holding_id) {
    SubjectHistory history;
    history.holding = ReadHoldingHistory(store, holding_id);
    history.valuation = MarketValuation::OfInvestment(history.holding);
    return history;
}

SubjectHistory HistoryOf(const DataStore& store, const GrowthSubject& subject) {
    if (!subject.is_portfolio()) return InvestmentHistory(store, *subject.holding_id);
    SubjectHistory history;
    history.portfolio_flows = ReadPortfolioTransactions(store, subject.portfolio_id);
    history.valuation =
        MarketValuation::OfPortfolio(ReadPortfolioHoldings(store, subject.portfolio_id));
    return history;
}

// Over the last `months` monthly periods up to the date; none when the history is younger.
std::optional<MonthlyReturns> ReturnsOver(const SubjectHistory& history, size_t months,
                                          Date performance_date) {
    if (months == 0 || !history.calculable()) return std::nullopt;
    return history.calculator().MonthlyReturnsOver(static_cast<int>(months), performance_date);
}

BenchmarkGrowth BenchmarkGrowthOver(const DataStore& store, Hid holding_id, const Growth& growth) {
    BenchmarkGrowth benchmark;
    benchmark.holding_id = holding_id;
    benchmark.years.resize(growth.years.size());
    const SubjectHistory history = InvestmentHistory(store, holding_id);
    if (!history.calculable()) return benchmark;
    const GrowthCalculator calculator = history.calculator();
    for (size_t i = 0; i < growth.years.size(); ++i) {
        benchmark.years[i] =
            calculator.TimeWeightedOver(growth.years[i].start, growth.years[i].end);
    }
    benchmark.inception_returns =
        ReturnsOver(history, growth.inception_returns.size(), growth.performance_date);
    return benchmark;
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

Growth GrowthOf(const DataStore& store, const GrowthSubject& subject, Date performance_date,
                std::optional<Hid> benchmark) {
    Growth growth;
    growth.performance_date = performance_date;
    const SubjectHistory history = HistoryOf(store, subject);
    if (!history.calculable()) return growth;
    const GrowthCalculator calculator = history.calculator();
    growth.years = calculator.CalendarYears(performance_date);
    growth.month_ends = calculator.MonthEnds(performance_date);
    growth.months = calculator.CalendarMonths(performance_date);
    growth.inception_returns = calculator.InceptionMonthlyReturns(performance_date);
    if (benchmark) growth.benchmark = BenchmarkGrowthOver(store, *benchmark, growth);
    return growth;
}

MonthlyReturns InceptionReturnsOf(const DataStore& store, const GrowthSubject& subject,
                                  Date performance_date) {
    const SubjectHistory history = HistoryOf(store, subject);
    if (!history.calculable()) return {};
    return history.calculator().InceptionMonthlyReturns(performance_date);
}

std::optional<MonthlyReturns> BenchmarkInceptionReturnsOf(const DataStore& store, Hid benchmark,
                                                          const MonthlyReturns& subject_returns,
                                                          Date performance_date) {
    return ReturnsOver(InvestmentHistory(store, benchmark), subject_returns.size(),
                       performance_date);
}

Calculation CalculationOf(const DataStore& store, const GrowthSubject& subject,
                          Date performance_date) {
    const SubjectHistory history = HistoryOf(store, subject);
    if (history.calculable()) {
        return Calculate(*history.valuation, history.cash_flows(), performance_date);
    }
    Calculation not_calculated;
    not_calculated.performance_date = performance_date;
    return not_calculated;
}

BenchmarkFigures BenchmarkFiguresOf(const DataStore& store, const GrowthSubject& subject,
                                    Hid benchmark, Date performance_date) {
    const SubjectHistory history = HistoryOf(store, subject);
    const int months = history.calculable()
                           ? InceptionMonths(history.cash_flows().front().date, performance_date)
                           : 0;
    const SubjectHistory benchmark_history = InvestmentHistory(store, benchmark);
    return CalculateBenchmarkFigures(*benchmark_history.valuation, benchmark_history.cash_flows(),
                                     performance_date, months);
}

}  // namespace brevanta
