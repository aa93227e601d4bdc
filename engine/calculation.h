#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/date.h"
#include "engine/dollar_weighted.h"
#include "engine/market_valuation.h"
#include "engine/reporting_period.h"
#include "engine/transaction_timeline.h"
#include "store/records.h"

namespace brevanta {

// One monthly compounding period: its dates, the market values at both ends, the net cash
// flow between them and its return.
template <typename Number>
struct BasicSubPeriod {
    Date start;
    Date end;
    Number bmv = 0;
    Number emv = 0;
    Number soc = 0;
    Number ror = 0;

    bool operator==(const BasicSubPeriod&) const = default;
};

// As the audit viewer and the log show it. ror is the period's ratio, except in the "Month"
// list where it is the percent return.
using SubPeriodRecord = BasicSubPeriod<float>;
// As computed; ror is the modified Dietz ratio.
using SubPeriod = BasicSubPeriod<double>;

// The record of a period computed in double precision.
inline SubPeriodRecord MakeSubPeriodRecord(Date start, Date end, double bmv, double emv, double soc,
                                           double ror) {
    return {start,
            end,
            static_cast<float>(bmv),
            static_cast<float>(emv),
            static_cast<float>(soc),
            static_cast<float>(ror)};
}

// The figure of each reporting period: its time-weighted one (INCANN for the inception
// window), and its dollar-weighted one (QTRD for the quarter's one-period return; none for
// the month).
Figure TimeWeightedFigure(ReportingPeriod period);
std::optional<Figure> DollarWeightedFigure(ReportingPeriod period);

// Whether a calculation could start. Only a Calculated one has figures to store.
enum class CalculationStatus {
    Calculated,
    NoTransactions,
    FirstNotContribution,  // the first transaction is not a cash contribution
};

// Calculated when the transaction list can start a calculation, else why not.
CalculationStatus CheckTransactions(const TransactionTimeline& transactions);

// One calculation of an investment or a portfolio as of a performance date: a value, the same
// for the same history and date whatever was calculated before it.
struct Calculation {
    Date performance_date;
    CalculationStatus status = CalculationStatus::NoTransactions;
    // Percent figures; NotCalculated for every period the history is too young for.
    FigureValues figures;
    // The monthly compounding periods behind each period's figure, by ReportingPeriod.
    std::array<std::vector<SubPeriodRecord>, kReportingPeriodCount> audit_lists;
    // The inception dollar-weighted working numbers; none when the history is younger than a
    // month, so that the inception window was not calculated.
    std::optional<YearlyFlows> yearly_flows;

    bool calculated() const { return status == CalculationStatus::Calculated; }
    const std::vector<SubPeriodRecord>& audit_list(ReportingPeriod period) const {
        return audit_lists[static_cast<size_t>(period)];
    }
    std::vector<SubPeriodRecord>& audit_list(ReportingPeriod period) {
        return audit_lists[static_cast<size_t>(period)];
    }
    // What StoreHoldingFigures and StorePortfolioFigures take.
    PerformanceFigures stored_figures() const { return {performance_date, figures}; }

    bool operator==(const Calculation&) const = default;
};

// An investment's calculation and its portfolio's as of the same date.
struct InvestmentAndPortfolio {
    Calculation investment;
    Calculation portfolio;
};

// The arithmetic of one investment (valued in investment mode, over its own transactions) or
// one portfolio (its investments valued together, over the portfolio's transactions) as of a
// performance date. Depends on its arguments alone; safe to run on several threads at once.
Calculation Calculate(const MarketValuation& valuation, const TransactionTimeline& cash_flows,
                      Date performance_date);

}  // namespace brevanta
