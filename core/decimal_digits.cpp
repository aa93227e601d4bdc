#include "core/decimal_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace brevanta {

namespace {

// A double's exact expansion ends at its lowest mantissa bit; the smallest subnormal, 2^-1074,
// needs 1074 fraction digits, the largest double 309 integer digits.
constexpr int kMantissaBits = 53;
constexpr int kMaxFractionDigits = 1074;
constexpr int kBufferSize = 309 + 1 + kMaxFractionDigits + 16;

void StripTrailingZeros(std::string& digits) { digits.erase(digits.find_last_not_of('0') + 1); }

}  // namespace

DecimalDigits DecimalDigits::Exact(double value) {
    const double magnitude = std::fabs(value);
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int fraction_digits = std::clamp(kMantissaBits - exponent, 0, kMaxFractionDigits);

    std::array<char, kBufferSize> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::fixed, fraction_digits);
    const std::string_view text(buffer.data(), written.ptr - buffer.data());
    const size_t dot = std::min(text.find('.'), text.size());

    DecimalDigits result;
    result.digits.assign(text.substr(0, dot));
    if (dot < text.size()) result.digits.append(text.substr(dot + 1));
    result.point = static_cast<int>(dot);
    const size_t leading_zeros =
        std::min(result.digits.find_first_not_of('0'), result.digits.size());
    result.digits.erase(0, leading_zeros);
    result.point -= static_cast<int>(leading_zeros);
    StripTrailingZeros(result.digits);
    if (!result.digits.empty())
        result.negative = std::signbit(value);
    else
        result.point = 0;
    return result;
}

void DecimalDigits::RoundTo(int count) {
    if (count >= static_cast<int>(digits.size())) return;
    const bool round_up = count >= 0 && digits[count] >= '5';
    digits.resize(std::max(count, 0));
    if (round_up) {
        const size_t last_below_nine = digits.find_last_not_of('9');
        if (last_below_nine == std::string::npos) {
            // 0.999.. carries into a new leading digit.
            digits.assign("1");
            ++point;
        } else {
            digits.resize(last_below_nine + 1);
            ++digits.back();
        }
    }
    StripTrailingZeros(digits);
    if (digits.empty()) {
        negative = false;
        point = 0;
    }
}

char DecimalDigits::DigitAt(int index) const {
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
}

}  // namespace brevanta
