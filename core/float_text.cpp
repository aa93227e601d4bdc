#include "core/float_text.h"

#include <cmath>

#include "core/decimal_digits.h"

namespace brevanta {

namespace {

constexpr int kSignificantDigits = 15;
// Decimal exponents outside [kLowestFixedExponent, kSignificantDigits) use the E form.
constexpr int kLowestFixedExponent = -5;

}  // namespace

std::string FloatToText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    DecimalDigits decimal = DecimalDigits::Exact(value);
    decimal.RoundTo(kSignificantDigits);
    if (decimal.digits.empty()) return "0";

    std::string text = decimal.negative ? "-" : "";
    const int exponent = decimal.point - 1;
    if (exponent >= kSignificantDigits || exponent < kLowestFixedExponent) {
        text += decimal.digits.front();
        if (decimal.digits.size() > 1) text += "." + decimal.digits.substr(1);
        return text + "E" + std::to_string(exponent);
    }
    if (decimal.point <= 0) return text + "0." + std::string(-decimal.point, '0') + decimal.digits;
    for (int i = 0; i < decimal.point; ++i) text += decimal.DigitAt(i);
    if (static_cast<int>(decimal.digits.size()) > decimal.point) {
        text += "." + decimal.digits.substr(decimal.point);
    }
    return text;
}

}  // namespace brevanta
