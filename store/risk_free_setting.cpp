#include "store/risk_free_setting.h"

#include <cmath>
#include <optional>

#include "core/number_parse.h"

namespace brevanta {

bool IsRiskFreeRate(double percent) { return std::isfinite(percent) && percent > -100; }

double RiskFreeRate(const DataStore& store) {
    const std::optional<SettingRecord> setting = store.settings().FindSetting(RiskFreeKey);
    if (!setting) return 0;
    const std::optional<double> rate = ParseNumber(setting->Val1);
    return rate && IsRiskFreeRate(*rate) ? *rate : 0;
}

}  // namespace brevanta
