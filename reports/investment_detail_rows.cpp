#include "reports/investment_detail_rows.h"

#include <cmath>

#include "core/date_format.h"
#include "core/number_format.h"

namespace brevanta {

std::string MoneyText(double amount, const Locale& locale) {
    if (!std::isfinite(amount)) return "ERROR!";
    return FormatNumber(amount, "$###,##0.00", locale);
}

std::vector<TextRow> BuildTransactionRows(const DataStore& store, Hid holding_id,
                                          TransactionOrder order, const Locale& locale) {
    const std::vector<TransactionRecord> transactions =
        store.transactions().TransactionsOfHolding(holding_id, order);
    std::vector<TextRow> rows;
    // The opening contribution leads every order and is never listed.
    for (size_t i = 1; i < transactions.size(); ++i) {
        const TransactionRecord& t = transactions[i];
        rows.push_back({t.Id,
                        {FormatShortDate(t.Date, locale), std::string(TransactionTypeText(t.Type)),
                         MoneyText(t.Amount, locale), t.Description}});
    }
    return rows;
}

std::vector<TextRow> BuildValueRows(const DataStore& store, Hid holding_id, ValueOrder order,
                                    const Locale& locale) {
    const std::vector<ValueRecord> values = store.values().ValuesOfHolding(holding_id, order);
    std::vector<TextRow> rows;
    for (size_t i = 1; i < values.size(); ++i) {
        const ValueRecord& v = values[i];
        rows.push_back({v.Id, {FormatShortDate(v.Date, locale), MoneyText(v.Value, locale)}});
    }
    return rows;
}

}  // namespace brevanta
