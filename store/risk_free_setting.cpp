#include "store/risk_free_setting.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <optional>

#include "core/number_parse.h"
#include "store/table_layouts.h"

namespace brevanta {

bool IsRiskFreeRate(double percent) { return std::isfinite(percent) && percent > -100; }

double RiskFreeRate(const DataStore& store) {
    const std::optional<SettingRecord> setting = store.settings().FindSetting(RiskFreeKey);
    if (!setting) return 0;
    const std::optional<double> rate = ParseNumber(setting->Val1);
    return rate && IsRiskFreeRate(*rate) ? *rate : 0;
}

std::string RiskFreeText(double percent) {
    char text[32];
    char* end = std::to_chars(text, text + sizeof text, percent).ptr;
    // The shortest text that reads back as the rate, unless it overflows the field: then 12
    // digits, a sign, a point and an exponent fit.
    if (end - text > kSettingWidth) {
        end = std::to_chars(text, text + sizeof text, percent, std::chars_format::general, 12).ptr;
    }
    return std::string(text, end);
}

Status StoreRiskFreeRate(DataStore& store, double percent) {
    assert(IsRiskFreeRate(percent));
    return store.settings().StoreSetting(RiskFreeKey, {.Val1 = RiskFreeText(percent)});
}

}  // namespace brevanta
