#include "reports/report_choice.h"

#include "reports/report_writer.h"

namespace brevanta {

namespace {

// The code with both kinds of returns, then dollar-weighted only, then time-weighted only.
int Narrowed(int both, int dollar_only, int time_only, bool dollar_weighted, bool time_weighted) {
    if (dollar_weighted == time_weighted) return both;
    return dollar_weighted ? dollar_only : time_only;
}

}  // namespace

bool IsPortfolioKind(ReportKind kind) {
    return kind == ReportKind::PortfolioPerformance || kind == ReportKind::MarketValues ||
           kind == ReportKind::PortfolioGrowth;
}

int ReportCodeFor(ReportKind kind, bool dollar_weighted, bool time_weighted) {
    switch (kind) {
        case ReportKind::PortfolioPerformance:
            return Narrowed(kPortfolioPerformanceReport, kPortfolioDollarWeightedReport,
                            kPortfolioTimeWeightedReport, dollar_weighted, time_weighted);
        case ReportKind::MarketValues:
            return kMarketValuesReport;
        case ReportKind::InvestmentDetail:
            return Narrowed(kInvestmentDetailReport, kInvestmentDetailDollarWeightedReport,
                            kInvestmentDetailTimeWeightedReport, dollar_weighted, time_weighted);
        case ReportKind::InvestmentReturns:
            return Narrowed(kInvestmentReturnsReport, kInvestmentDollarWeightedReport,
                            kInvestmentTimeWeightedReport, dollar_weighted, time_weighted);
        case ReportKind::InvestmentLists:
            return kInvestmentListsReport;
        case ReportKind::InvestmentGrowth:
            return kInvestmentGrowthReport;
        case ReportKind::PortfolioGrowth:
            return kPortfolioGrowthReport;
    }
    return kPortfolioPerformanceReport;
}

}  // namespace brevanta
