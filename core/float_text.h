#pragma once

#include <string>

namespace brevanta {

// General-format float-to-text: at most 15 significant digits, no trailing zeros, no
// decimal point for whole numbers; scientific form ("1.40129846432482E-45", "1E20") when
// the exponent is 15 or more or the magnitude is below 0.00001; "NAN", "INF", "-INF".
// The decimal point is always '.', as the tables store it.
std::string FloatToText(double value);

}  // namespace brevanta
