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

// Each figure's column, its name as stored and, translated, its caption.
constexpr std::array<std::pair<UserText, Figure>, kFigureCount> kColumns = {{
    {BREVANTA_TEXT("Columns", "Month"), Figure::Month},
    {BREVANTA_TEXT("Columns", "QTR"), Figure::Qtr},
    {BREVANTA_TEXT("Columns", "1 Year"), Figure::Ytd},
    {BREVANTA_TEXT("Columns", "3 Year"), Figure::ThYr},
    {BREVANTA_TEXT("Columns", "5 Year"), Figure::FiYr},
    {BREVANTA_TEXT("Columns", "10 Year"), Figure::TeYr},
    {BREVANTA_TEXT("Columns", "Inc"), Figure::Inc},
    {BREVANTA_TEXT("Columns", "Inception"), Figure::IncAnn},
    {BREVANTA_TEXT("Columns", "QTR$"), Figure::QtrD},
    {BREVANTA_TEXT("Columns", "1 Year$"), Figure::YtdD},
    {BREVANTA_TEXT("Columns", "3 Year$"), Figure::ThYrD},
    {BREVANTA_TEXT("Columns", "5 Year$"), Figure::FiYrD},
    {BREVANTA_TEXT("Columns", "10 Year$"), Figure::TeYrD},
    {BREVANTA_TEXT("Columns", "Inception$"), Figure::IncAnnD},
}};

}  // namespace

std::optional<Figure> FigureOfColumn(std::string_view column) {
    for (const auto& [name, figure] : kColumns) {
        if (name.english == column) return figure;
    }
    return std::nullopt;
}

Message ColumnCaption(std::string_view column) {
    for (const auto& [name, figure] : kColumns) {
        if (name.english == column) return name;
    }
    if (column == kInceptionDateColumn) return BREVANTA_TEXT("Columns", "Inception Date");
    if (column == kRecentValueColumn) return BREVANTA_TEXT("Columns", "Recent Value");
    return std::string(column);
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
