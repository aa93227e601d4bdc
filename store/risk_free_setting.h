#pragma once

#include <string>

#include "store/data_store.h"

namespace brevanta {

// The sys.dbf settings row holding the yearly risk-free rate of the risk figures, in percent,
// its Val1 a number with '.' for the point.
inline constexpr const char* RiskFreeKey = "RISK_FREE";

// A yearly rate the risk figures can use: a number above -100 percent.
bool IsRiskFreeRate(double percent);

// "RISK_FREE": 0 when the row is missing or its Val1 is not such a rate.
double RiskFreeRate(const DataStore& store);

// The rate as Val1 holds it, '.' for the point: the shortest text that reads back as the
// rate ("3", "2.5"), or 12 significant digits where that is longer than the field.
std::string RiskFreeText(double percent);

// Stores the rate as "RISK_FREE". REQUIRES: IsRiskFreeRate(percent).
Status StoreRiskFreeRate(DataStore& store, double percent);

}  // namespace brevanta
