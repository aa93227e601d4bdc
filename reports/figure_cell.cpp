#include "reports/figure_cell.h"

#include <array>
#include <cassert>
#include <utility>

#include "core/date_format.h"
#include "core/number_format.h"

namespace brevanta {

namespace {

constexpr const char* kNotAvailable = "n/a";
constexpr std::string_view kInceptionDateColumn = "Inception Date";

constexpr std::array<std::pair<std::string_view, FigureIndex>, kHoldingFigureCount> kColumns = {{
    {"Month", kMonthFigure},
    {"QTR", kQuarterFigure},
    {"1 Year", kOneYearFigure},
    {"3 Year", kThreeYearsFigure},
    {"5 Year", kFiveYearsFigure},
    {"10 Year", kTenYearsFigure},
    {"Inc", kInceptionFigure},
    {"Inception", kInceptionAnnualisedFigure},
    {"QTR$", kQuarterDollarFigure},
    {"1 Year$", kOneYearDollarFigure},
    {"3 Year$", kThreeYearsDollarFigure},
    {"5 Year$", kFiveYearsDollarFigure},
    {"10 Year$", kTenYearsDollarFigure},
    {"Inception$", kInceptionAnnualisedDollarFigure},
}};

}  // namespace

std::optional<FigureIndex> FigureOfColumn(std::string_view column) {
    for (const auto& [name, index] : kColumns) {
        if (name == column) return index;
    }
    return std::nullopt;
}

std::string FigurePattern(int decimals) {
    assert(decimals >= 0 && decimals <= 6);
    std::string pattern = "#,##0";
    if (decimals > 0) pattern += "." + std::string(decimals, '0');
    return pattern;
}

std::string FigureText(float figure, std::string_view pattern, const Locale& locale) {
    if (figure == NotCalculated) return kNotAvailable;
    return FormatNumber(figure, pattern, locale);
}

std::string HoldingCell(const HoldingRecord& holding, std::string_view column,
                        std::string_view pattern, const Locale& locale) {
    if (const std::optional<FigureIndex> figure = FigureOfColumn(column)) {
        return FigureText(holding.Figures[*figure], pattern, locale);
    }
    if (column == kInceptionDateColumn && holding.InceptionDate != NoDate) {
        return FormatShortDate(holding.InceptionDate, locale);
    }
    return kNotAvailable;
}

std::string PortfolioCell(const PortfolioRecord& portfolio, std::string_view column,
                          std::string_view pattern, const Locale& locale) {
    if (const std::optional<FigureIndex> figure = FigureOfColumn(column)) {
        return FigureText(portfolio.Figures[PortfolioFigureIndex(*figure)], pattern, locale);
    }
    if (column == kInceptionDateColumn) return " ";
    return kNotAvailable;
}

}  // namespace brevanta
