#include "reports/risk_rows.h"

#include "core/date_format.h"
#include "core/number_format.h"

namespace brevanta {

std::vector<std::string> RiskFigureTexts(const RiskFigures& figures, NumberStyle style,
                                         const Locale& locale) {
    const bool people = style == NumberStyle::Grouped;
    const auto number = [&](const std::optional<double>& value) -> std::string {
        if (!value) return "n/a";
        return FormatNumber(*value, people ? "#,##0.0000" : "0.0000", locale);
    };
    const auto date = [&](const std::optional<Date>& value) -> std::string {
        if (!value) return "";
        return people ? FormatShortDate(*value, locale) : FormatDate(*value, "mm/dd/yyyy", locale);
    };
    return {std::to_string(figures.months), number(figures.volatility),
            number(figures.max_drawdown),   date(figures.peak),
            date(figures.trough),           number(figures.sharpe),
            number(figures.sortino),        number(figures.best_month),
            number(figures.worst_month),    number(figures.positive_months)};
}

std::vector<std::string> BenchmarkRiskTexts(const std::optional<RiskFigures>& figures,
                                            NumberStyle style, const Locale& locale) {
    std::vector<std::string> texts =
        RiskFigureTexts(figures.value_or(RiskFigures{}), style, locale);
    if (!figures) texts.front() = "n/a";
    return texts;
}

}  // namespace brevanta
