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

// "1,110.00 %", or "n/a" for none.
std::string PercentageText(std::optional<double> percent, const Locale& locale) {
    return percent ? FormatNumber(*percent, "#,##0.00", locale) + " %" : "n/a";
}

std::optional<double> Calculated(float figure) {
    return figure == NotCalculated ? std::nullopt : std::optional<double>(figure);
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
        rows[i].percentage = PercentageText(Calculated(figure), locale);
        rows[i].bar = BarOf(figure, scale);
    }
    return rows;
}

std::array<BenchmarkReturnRow, kReturnRowCount> BenchmarkReturnRows(
    const FigureValues& figures, const BenchmarkFigures& benchmark, const Locale& locale) {
    constexpr std::array<ReportingPeriod, kReturnRowCount> kPeriods = {
        ReportingPeriod::Quarter,  ReportingPeriod::OneYear, ReportingPeriod::ThreeYear,
        ReportingPeriod::FiveYear, ReportingPeriod::TenYear, ReportingPeriod::Inception};
    const std::array<Figure, kReturnRowCount>& shown = ReturnFigures(ReturnKind::TimeWeighted);
    std::array<BenchmarkReturnRow, kReturnRowCount> rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::optional<double> compared = benchmark.of(kPeriods[i]);
        const std::optional<double> difference =
            BenchmarkDifference(Calculated(figures[shown[i]]), compared);
        rows[i] = {PercentageText(compared, locale),
                   difference ? FormatNumber(*difference, "#,##0.00", locale) : "n/a"};
    }
    return rows;
}

Message PerformanceDateText(Date date, const Locale& locale) {
    if (date == NoDate) return BREVANTA_TEXT("Reports", "Not Calculated");
    return FormatShortDate(date, locale);
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
