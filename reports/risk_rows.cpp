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

std::vector<std::vector<std::string>> RiskColumns(const Growth& growth, double risk_free_percent,
                                                  const Locale& locale) {
    std::vector<std::vector<std::string>> columns = {
        RiskFigureTexts(CalculateRiskFigures(growth.inception_returns, risk_free_percent),
                        NumberStyle::Grouped, locale)};
    if (growth.benchmark) {
        const std::optional<MonthlyReturns>& compared = growth.benchmark->inception_returns;
        columns.push_back(BenchmarkRiskTexts(
            compared ? std::optional(CalculateRiskFigures(*compared, risk_free_percent))
                     : std::nullopt,
            NumberStyle::Grouped, locale));
    }
    return columns;
}

Message RiskSourceText(double risk_free_percent, const Locale& locale) {
    return Message(
        BREVANTA_TEXT(
            "Reports",
            "From the monthly returns since inception, with a risk-free rate of %1 % a year."),
        {FormatNumber(risk_free_percent, "#,##0.0000", locale)});
}

}  // namespace brevanta
