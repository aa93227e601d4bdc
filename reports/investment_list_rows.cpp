#include "reports/investment_list_rows.h"

#include <cmath>
#include <optional>

#include "core/money_format.h"
#include "engine/market_valuation.h"
#include "reports/figure_cell.h"
#include "store/currency_setting.h"

namespace brevanta {

namespace {

constexpr int kNameColumnWidth = 125;
constexpr const char* kTotalLine = "   Total";
constexpr const char* kMoneyPattern = "#,###.00";
constexpr const char* kWholeUnitsPattern = "#,###";

// Half away from zero. Amounts are stored to the cent, so the double error of a sum of them
// is far below half a cent and the nearest cent is the exact one.
double RoundedToCents(double amount) { return std::round(amount * 100) / 100; }

}  // namespace

std::vector<ListColumn> ListColumns(const std::vector<ColumnRecord>& visible) {
    std::vector<ListColumn> columns{{BREVANTA_TEXT("Columns", "Name"), kNameColumnWidth, false}};
    for (const ColumnRecord& column : visible) {
        const bool right =
            column.Name == kRecentValueColumn || FigureOfColumn(column.Name).has_value();
        columns.push_back({ColumnCaption(column.Name), column.Width, right});
    }
    return columns;
}

InvestmentList BuildInvestmentList(const DataStore& store, Pid portfolio_id,
                                   const std::vector<ColumnRecord>& visible,
                                   std::string_view number_pattern, const Locale& locale,
                                   Date today) {
    InvestmentList list;
    const std::optional<PortfolioRecord> portfolio = store.portfolios().FindPortfolio(portfolio_id);
    if (!portfolio) return list;

    const Currency currency = LocaleCurrency(CurrencySymbol(store), locale);
    double total = 0;
    for (const HoldingRecord& holding : store.holdings().HoldingsOfPortfolio(portfolio_id)) {
        const double recent = RoundedToCents(InvestmentMarketValue(store, holding.Id, today));
        total += recent;
        TextRow row{holding.Id, {holding.Name}};
        for (const ColumnRecord& column : visible) {
            row.cells.push_back(column.Name == kRecentValueColumn
                                    ? FormatMoney(recent, kMoneyPattern, currency, locale)
                                    : HoldingCell(holding, column.Name, number_pattern, locale));
        }
        list.rows.push_back(std::move(row));
    }
    // Clears the sum's double noise, so whole dollars round as its cents say.
    total = RoundedToCents(total);

    TextRow total_line{{}, {kTotalLine}};
    for (const ColumnRecord& column : visible) {
        total_line.cells.push_back(
            column.Name == kRecentValueColumn
                ? FormatMoney(total, kMoneyPattern, currency, locale)
                : PortfolioCell(*portfolio, column.Name, number_pattern, locale));
    }
    list.rows.push_back(std::move(total_line));
    list.caption = Message(BREVANTA_TEXT("Reports", " Total Value of the %1 portfolio: %2"),
                           {store.portfolios().PortfolioName(portfolio_id),
                            FormatMoney(total, kWholeUnitsPattern, currency, locale)});
    return list;
}

}  // namespace brevanta
