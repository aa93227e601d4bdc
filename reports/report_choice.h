#pragma once

namespace brevanta {

// The reports the user picks from, each with its own choice of return kinds where it has one.
enum class ReportKind {
    PortfolioPerformance,  // codes 10, 11, 12
    MarketValues,          // code 20
    InvestmentDetail,      // codes 30, 31, 32: return tables with the transaction and value lists
    InvestmentReturns,     // codes 40, 41, 42: return tables only
    InvestmentLists,       // code 50
    InvestmentGrowth,      // code 60: returns by calendar year and the growth chart
    PortfolioGrowth,       // code 70
};

// Whether the kind reports on a whole portfolio rather than one investment.
bool IsPortfolioKind(ReportKind kind);

// The report code (ReportCode) of a kind with its "Dollar weighted" and "Time weighted"
// ticks: one tick alone narrows the report to that kind of returns, both or neither give
// both. Kinds without returns ignore the ticks.
int ReportCodeFor(ReportKind kind, bool dollar_weighted, bool time_weighted);

}  // namespace brevanta
