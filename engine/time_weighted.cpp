#include "engine/time_weighted.h"

#include <cmath>

namespace brevanta {

double SubPeriodReturn(double bmv, double emv, double soc, ReturnForm form) {
    const double denominator = bmv + 0.5 * soc;
    const double numerator = emv - 0.5 * soc;
    if (denominator == 0) return form == ReturnForm::Percent ? 0.0 : 1.0;
    const double ratio = numerator / denominator;
    return form == ReturnForm::Percent ? (ratio - 1) * 100 : ratio;
}

double SignedPower(double x, double exponent) {
    return x < 0 ? -std::pow(-x, exponent) : std::pow(x, exponent);
}

double CumulativePercent(double product) { return (product - 1) * 100; }

double AnnualisedPercent(double product, double exponent) {
    return (SignedPower(product, exponent) - 1) * 100;
}

}  // namespace brevanta
