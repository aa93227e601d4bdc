#include "reports/investment_detail_rows.h"

#include <cmath>

#include "core/date_format.h"
#include "store/currency_setting.h"

namespace brevanta {

std::string MoneyText(double amount, const Currency& currency, const Locale& locale) {
    if (!std::isfinite(amount)) return "ERROR!";
    return FormatMoney(amount, "###,##0.00", currency, locale);
}

std::vector<TextRow> BuildTransactionRows(const DataStore& store, Hid holding_id,
                                          TransactionOrder order, const Locale& locale) {
    const std::vector<TransactionRecord> transactions =
        store.transactions().TransactionsOfHolding(holding_id, order);
    const Currency currency = LocaleCurrency(CurrencySymbol(store), locale);
    std::vector<TextRow> rows;
    // The opening contribution leads every order and is never listed.
    for (size_t i = 1; i < transactions.size(); ++i) {
        const TransactionRecord& t = transactions[i];
        rows.push_back({t.Id,
                        {FormatShortDate(t.Date, locale), std::string(TransactionTypeText(t.Type)),
                         MoneyText(t.Amount, currency, locale), t.Description}});
    }
    return rows;
}

std::vector<TextRow> BuildValueRows(const DataStore& store, Hid holding_id, ValueOrder order,
                                    const Locale& locale) {
    const std::vector<ValueRecord> values = store.values().ValuesOfHolding(holding_id, order);
    const Currency currency = LocaleCurrency(CurrencySymbol(store), locale);
    std::vector<TextRow> rows;
    for (size_t i = 1; i < values.size(); ++i) {
        const ValueRecord& v = values[i];
        rows.push_back(
            {v.Id, {FormatShortDate(v.Date, locale), MoneyText(v.Value, currency, locale)}});
    }
    return rows;
}

}  // namespace brevanta
