#pragma once

#include <vector>

#include "core/date.h"

namespace brevanta {

// Calendar arithmetic of the performance periods. Every period is a whole number of
// calendar months ending on the performance date; day counts never enter a return.

// The date n calendar months earlier, the day clamped to the target month. REQUIRES: n >= 0.
Date SubtractMonths(Date date, int n);

// The date n years later; 29 February becomes 28 February in a common year.
Date AddYears(Date date, int n);

// Boundaries b(0) ... b(months) of a period of `months` monthly periods ending on pd:
// b(k) = SubtractMonths(pd, months - k). Each is derived from pd directly, so a clamped
// day never propagates to the next boundary.
std::vector<Date> MonthlyBoundaries(Date performance_date, int months);

// Boundaries of a window split at calendar month ends: start, every month end after start
// and before end, then end (unless it is start). A whole calendar year thus has the boundaries
// MonthlyBoundaries gives for twelve months ending on its 31 December. REQUIRES: start <= end.
std::vector<Date> MonthEndBoundaries(Date start, Date end);

// A period of `months` months is calculated only when its window does not start before
// the first transaction.
bool IsOldEnough(Date first_transaction, Date performance_date, int months);

// Monthly periods of the inception window: the number of m in 1 ... 600 for which the
// first transaction is on or before SubtractMonths(pd, m). 0 when younger than a month.
int InceptionMonths(Date first_transaction, Date performance_date);

// Whether a from-inception return starting at window_start is annualised.
bool IsOlderThanOneYear(Date window_start, Date performance_date);

}  // namespace brevanta
