#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/locale.h"
#include "core/message.h"
#include "engine/risk_figures.h"
#include "reports/growth_rows.h"

namespace brevanta {

// A risk figure's caption and its definition in one line (the tooltip beside it).
struct RiskFigureCaption {
    const char* caption;
    const char* definition;
};

// In the order of RiskFigureTexts and of the command line's columns.
inline constexpr std::array<RiskFigureCaption, 10> kRiskFigureCaptions = {{
    {BREVANTA_CAPTION("Reports", "Months"),
     BREVANTA_CAPTION("Reports", "The number of monthly returns since inception.")},
    {BREVANTA_CAPTION("Reports", "Volatility %"),
     BREVANTA_CAPTION("Reports",
                      "The sample standard deviation of the monthly returns, times the square "
                      "root of 12.")},
    {BREVANTA_CAPTION("Reports", "Max drawdown %"),
     BREVANTA_CAPTION("Reports",
                      "The deepest fall of the linked monthly returns below their previous "
                      "high.")},
    {BREVANTA_CAPTION("Reports", "Peak"),
     BREVANTA_CAPTION("Reports", "The date of the high before the deepest fall.")},
    {BREVANTA_CAPTION("Reports", "Trough"),
     BREVANTA_CAPTION("Reports", "The date the deepest fall reached its bottom.")},
    {BREVANTA_CAPTION("Reports", "Sharpe"),
     BREVANTA_CAPTION(
         "Reports",
         "The mean monthly return above the risk-free rate over its standard deviation, "
         "times the square root of 12.")},
    {BREVANTA_CAPTION("Reports", "Sortino"),
     BREVANTA_CAPTION(
         "Reports",
         "The mean monthly return above the risk-free rate over the root mean square of "
         "those below it, times the square root of 12.")},
    {BREVANTA_CAPTION("Reports", "Best month %"),
     BREVANTA_CAPTION("Reports", "The highest monthly return.")},
    {BREVANTA_CAPTION("Reports", "Worst month %"),
     BREVANTA_CAPTION("Reports", "The lowest monthly return.")},
    {BREVANTA_CAPTION("Reports", "Positive months %"),
     BREVANTA_CAPTION("Reports", "The share of the months with a return above 0.")},
}};

// The figures as text: numbers rounded half away from zero to 4 decimals ("#,##0.0000" for
// people, "0.0000" for files), "n/a" where not defined; Peak and Trough in the short date
// format for people, "mm/dd/yyyy" for files, empty without a drawdown.
std::vector<std::string> RiskFigureTexts(const RiskFigures& figures, NumberStyle style,
                                         const Locale& locale);

// A benchmark's figures over a subject's months as RiskFigureTexts gives them; none when the
// benchmark is younger than those months: then the month count is "n/a" too.
std::vector<std::string> BenchmarkRiskTexts(const std::optional<RiskFigures>& figures,
                                            NumberStyle style, const Locale& locale);

// The risk table's columns, each in the order of kRiskFigureCaptions: the growth's own figures,
// then with a benchmark its figures over the same months (BenchmarkRiskTexts).
std::vector<std::vector<std::string>> RiskColumns(const Growth& growth, double risk_free_percent,
                                                  const Locale& locale);

// The line under the risk table: where the figures come from and the risk-free rate used.
Message RiskSourceText(double risk_free_percent, const Locale& locale);

}  // namespace brevanta
