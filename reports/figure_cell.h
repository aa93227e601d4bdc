#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/locale.h"
#include "core/message.h"
#include "store/records.h"

namespace brevanta {

// The column of the investment's latest market value (with the portfolio's total).
inline constexpr std::string_view kRecentValueColumn = "Recent Value";

// The figure a column or period key names ("QTR", "1 Year", ..., "Inception$"; "Month" and
// "Inc" too); nullopt for any other name.
std::optional<Figure> FigureOfColumn(std::string_view column);
// A column's caption: the name translated where it is one of the figures', "Inception Date" or
// "Recent Value", any other name as it stands.
Message ColumnCaption(std::string_view column);

// The pattern figures are shown with: "#,##0" for 0 decimals, "#,##0.0" for 1, ... up to
// "#,##0.000000" for 6. REQUIRES: 0 <= decimals <= 6 (DataStore::NumberOfDecimals()).
std::string FigurePattern(int decimals);

// A stored figure as text: "n/a" for NotCalculated, else formatted with the number pattern.
std::string FigureText(float figure, std::string_view pattern, const Locale& locale);

// The text of one investment-list cell (every column but "Recent Value"): a figure by
// FigureText, "Inception Date" in the short date format ("n/a" for NoDate), any other
// column "n/a".
std::string HoldingCell(const HoldingRecord& holding, std::string_view column,
                        std::string_view pattern, const Locale& locale = Locale::EnUs());

// The same for the portfolio's total line; "Inception Date" is a single blank there.
std::string PortfolioCell(const PortfolioRecord& portfolio, std::string_view column,
                          std::string_view pattern, const Locale& locale = Locale::EnUs());

}  // namespace brevanta
