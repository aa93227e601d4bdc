#pragma once

#include <string>

namespace brevanta {

// The decimal digits of a finite double: value = 0.d1d2d3... x 10^point. Digits carry no
// leading or trailing zeros, so zero has none; zero is never negative.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int point = 0;  // digits before the decimal point; may be negative or beyond digits.size()

    // Every digit of the binary value held, nothing rounded (the float 1234567.89 gives
    // 1234567.875). REQUIRES: value is finite.
    static DecimalDigits Exact(double value);

    // Keeps the first count digits (count may be 0 or negative), rounding half away from zero.
    void RoundTo(int count);

    // The digit at index (0 is the first significant one), '0' outside the stored digits.
    char DigitAt(int index) const;
};

}  // namespace brevanta
