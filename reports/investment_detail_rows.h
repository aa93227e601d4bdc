#pragma once

#include <string>
#include <vector>

#include "core/locale.h"
#include "core/money_format.h"
#include "reports/text_row.h"
#include "store/data_store.h"
#include "store/records.h"

namespace brevanta {

// An amount as the lists show it, "$###,##0.00" with the currency's symbol placed; "ERROR!"
// when it is not a number.
std::string MoneyText(double amount, const Currency& currency, const Locale& locale);

// The investment's transactions (ids: TIDs) in the order asked, without its opening contribution:
// date (short format), type text (empty for an unknown code), amount, description. Amounts
// carry the stored currency symbol, placed as the locale places it (see LocaleCurrency).
std::vector<TextRow> BuildTransactionRows(const DataStore& store, Hid holding_id,
                                          TransactionOrder order, const Locale& locale);

// Its historical values (ids: VIDs) likewise, without the opening value: date, value.
std::vector<TextRow> BuildValueRows(const DataStore& store, Hid holding_id, ValueOrder order,
                                    const Locale& locale);

}  // namespace brevanta
