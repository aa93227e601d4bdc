#include "reports/investment_returns.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/date_format.h"
#include "core/number_format.h"
#include "core/number_parse.h"
#include "engine/market_valuation.h"
#include "reports/report_cells.h"

namespace brevanta {

namespace {

// Kept in floating point: a tiny maximum such as 0.004 gives 50,000, and times a large figure
// that overflows an int.
double BarScale(const FigureValues& figures, ReturnKind kind) {
    double maximum = 0;
    for (Figure shown : ReturnFigures(kind)) {
        const float figure = figures[shown];
        if (figure != NotCalculated && figure > maximum) maximum = figure;
    }
    return BarFactor(kPositiveBarLimit, maximum);
}

ReturnBar BarOf(float figure, double scale) {
    if (figure == NotCalculated) return {};
    // The bar follows the figure as shown, rounded to two decimals.
    const std::optional<double> shown = ParseNumber(FormatNumber(figure, "###0.00"));
    if (!shown) return {};
    const double length = std::trunc(*shown * scale);
    if (length <= 0) {
        return {ReturnBar::Side::Negative,
                static_cast<int>(std::min(-length, double{kNegativeBarLimit}))};
    }
    return {ReturnBar::Side::Positive,
            static_cast<int>(std::min(length, double{kPositiveBarLimit}))};
}

}  // namespace

const std::array<Figure, kReturnRowCount>& ReturnFigures(ReturnKind kind) {
    return kind == ReturnKind::TimeWeighted ? kTimeWeightedFigures : kDollarWeightedFigures;
}

std::array<ReturnRow, kReturnRowCount> ReturnRows(const FigureValues& figures, ReturnKind kind,
                                                  const Locale& locale) {
    const double scale = BarScale(figures, kind);
    const std::array<Figure, kReturnRowCount>& shown = ReturnFigures(kind);
    std::array<ReturnRow, kReturnRowCount> rows;
    for (int i = 0; i < kReturnRowCount; ++i) {
        const float figure = figures[shown[i]];
        rows[i].percentage =
            figure == NotCalculated ? "n/a" : FormatNumber(figure, "#,##0.00", locale) + " %";
        rows[i].bar = BarOf(figure, scale);
    }
    return rows;
}

std::string PerformanceDateText(Date date, const Locale& locale) {
    return date == NoDate ? "Not Calculated" : FormatShortDate(date, locale);
}

InvestmentTotals TotalsOf(const DataStore& store, Hid holding_id, Date today) {
    InvestmentTotals totals;
    totals.contributions = store.transactions().TypeTotal(holding_id, CashContributionCode);
    totals.dividends = store.transactions().TypeTotal(holding_id, DividendReinvestedCode);
    totals.withdrawals = store.transactions().TypeTotal(holding_id, WithdrawalCode);
    totals.cost_basis = totals.contributions + totals.dividends - totals.withdrawals;
    totals.recent_value = InvestmentMarketValue(store, holding_id, today);
    return totals;
}

std::string TotalText(double amount, const Locale& locale) {
    return FormatNumber(amount, "###,###,##0.00", locale);
}

}  // namespace brevanta
