#pragma once

#include <string>
#include <string_view>

#include "core/locale.h"

namespace brevanta {

// Pixels per percent point of bars up to `span` pixels wide when the largest figure is
// `largest` (0 or above): whole pixels, trunc(span / largest), as long as that is at least one;
// beyond, span / largest, so that a bar never vanishes because another is large. 1 for 0.
double BarFactor(double span, double largest);

// Cell contents that draw one return figure. value_text is a figure text: a number in
// the page's pattern or "n/a". scale is the page's bar scale (0 or a positive figure).

// A bar of up to 120 pixels (drawn 100 wide above that) for a positive value; a spacer
// for "n/a" or a value of 0 or below.
std::string PositiveBar(std::string_view value_text, double scale,
                        const Locale& locale = Locale::EnUs());

// A bar of up to 30 pixels for a negative value; a spacer for "n/a" or a value of 0 or above.
std::string NegativeBar(std::string_view value_text, double scale,
                        const Locale& locale = Locale::EnUs());

// The value with a percent sign in small type; losses in dark red; "n/a" as it stands.
std::string PercentText(std::string_view value_text, const Locale& locale = Locale::EnUs());

}  // namespace brevanta
