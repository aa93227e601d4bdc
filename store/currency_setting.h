#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/data_store.h"
#include "store/table_layouts.h"

namespace brevanta {

// The sys.dbf settings row holding the currency symbol of money texts, its Val1 the symbol.
inline constexpr const char* CurrencyKey = "CURRENCY";
// Characters of the longest symbol: Val1's width, one byte a character in Windows-1252.
inline constexpr int kLongestCurrencySymbol = kSettingWidth;

// Why a text cannot be the currency symbol.
enum class CurrencySymbolFault {
    None,
    Empty,
    ControlCharacter,  // a tab included: the symbol stands inside list cells
    NotStorable,       // a character Windows-1252 lacks
    TooLong,           // longer than kLongestCurrencySymbol
};
CurrencySymbolFault FaultOfCurrencySymbol(std::string_view symbol);
// What the options say of a symbol they cannot store; nullopt for one they can.
std::optional<Message> CurrencySymbolRefusal(std::string_view symbol);

// "CURRENCY": "$" when the row is missing or its Val1 could not be stored as the symbol.
std::string CurrencySymbol(const DataStore& store);

// Stores the symbol as "CURRENCY". REQUIRES: FaultOfCurrencySymbol(symbol) is None.
Status StoreCurrencySymbol(DataStore& store, std::string_view symbol);

}  // namespace brevanta
