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

constexpr std::array<std::pair<std::string_view, Figure>, kFigureCount> kColumns = {{
    {"Month", Figure::Month},
    {"QTR", Figure::Qtr},
    {"1 Year", Figure::Ytd},
    {"3 Year", Figure::ThYr},
    {"5 Year", Figure::FiYr},
    {"10 Year", Figure::TeYr},
    {"Inc", Figure::Inc},
    {"Inception", Figure::IncAnn},
    {"QTR$", Figure::QtrD},
    {"1 Year$", Figure::YtdD},
    {"3 Year$", Figure::ThYrD},
    {"5 Year$", Figure::FiYrD},
    {"10 Year$", Figure::TeYrD},
    {"Inception$", Figure::IncAnnD},
}};

}  // namespace

std::optional<Figure> FigureOfColumn(std::string_view column) {
    for (const auto& [name, figure] : kColumns) {
        if (name == column) return figure;
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
    if (const std::optional<Figure> figure = FigureOfColumn(column)) {
        return FigureText(holding.Figures[*figure], pattern, locale);
    }
    if (column == kInceptionDateColumn && holding.InceptionDate != NoDate) {
        return FormatShortDate(holding.InceptionDate, locale);
    }
    return kNotAvailable;
}

std::string PortfolioCell(const PortfolioRecord& portfolio, std::string_view column,
                          std::string_view pattern, const Locale& locale) {
    if (const std::optional<Figure> figure = FigureOfColumn(column)) {
        return FigureText(portfolio.Figures[*figure], pattern, locale);
    }
    if (column == kInceptionDateColumn) return " ";
    return kNotAvailable;
}

}  // namespace brevanta
