#pragma once

#include <vector>

#include "core/date.h"

namespace brevanta {

// How often a repeated entry recurs.
enum class RepeatPeriod { Year, Quarter, Month };

// The dates of `count` entries, the first on `first` and one more every period. Step k is
// counted from `first` itself, so a day cut to the end of a shorter month does not carry
// over: monthly from 31 January gives 28 (or 29) February, then 31 March. REQUIRES: count >= 0.
std::vector<Date> SeriesDates(Date first, RepeatPeriod period, int count);

}  // namespace brevanta
