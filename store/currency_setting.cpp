#include "store/currency_setting.h"

#include <algorithm>
#include <cassert>
#include <optional>

#include "core/control_characters.h"
#include "core/money_format.h"
#include "core/windows_1252.h"

namespace brevanta {

CurrencySymbolFault FaultOfCurrencySymbol(std::string_view symbol) {
    if (symbol.empty()) return CurrencySymbolFault::Empty;
    if (std::any_of(symbol.begin(), symbol.end(),
                    [](char c) { return c == '\t' || IsControlCharacter(c); })) {
        return CurrencySymbolFault::ControlCharacter;
    }
    const Windows1252Text encoded = EncodeWindows1252(symbol);
    if (encoded.refused) return CurrencySymbolFault::NotStorable;
    if (encoded.bytes.size() > static_cast<size_t>(kLongestCurrencySymbol)) {
        return CurrencySymbolFault::TooLong;
    }
    return CurrencySymbolFault::None;
}

std::optional<Message> CurrencySymbolRefusal(std::string_view symbol) {
    switch (FaultOfCurrencySymbol(symbol)) {
        case CurrencySymbolFault::None:
            return std::nullopt;
        case CurrencySymbolFault::Empty:
            return BREVANTA_TEXT("Store", "Please enter a currency symbol.");
        case CurrencySymbolFault::ControlCharacter:
            return BREVANTA_TEXT("Store",
                                 "The currency symbol cannot hold a tab or another control "
                                 "character.");
        case CurrencySymbolFault::NotStorable:
            return BREVANTA_TEXT("Store",
                                 "The currency symbol can hold only Western European "
                                 "(Windows-1252) characters.");
        case CurrencySymbolFault::TooLong:
            return Message(
                BREVANTA_TEXT("Store", "The currency symbol can be at most %1 characters long."),
                {std::to_string(kLongestCurrencySymbol)});
    }
    return std::nullopt;
}

std::string CurrencySymbol(const DataStore& store) {
    const std::optional<SettingRecord> setting = store.settings().FindSetting(CurrencyKey);
    if (!setting || FaultOfCurrencySymbol(setting->Val1) != CurrencySymbolFault::None) {
        return std::string(kDollarSymbol);
    }
    return setting->Val1;
}

Status StoreCurrencySymbol(DataStore& store, std::string_view symbol) {
    assert(FaultOfCurrencySymbol(symbol) == CurrencySymbolFault::None);
    return store.settings().StoreSetting(CurrencyKey, {.Val1 = std::string(symbol)});
}

}  // namespace brevanta
