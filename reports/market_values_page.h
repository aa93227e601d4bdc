#pragma once

#include <vector>

#include "core/date.h"
#include "core/status.h"
#include "store/identifiers.h"

namespace brevanta {

class ReportWriter;

// Calendar quarter ends from the one ending the start date's quarter (on or after it) to
// the first one on or after the performance date; at least one.
std::vector<Date> QuarterEnds(Date start, Date performance_date);

// Fills the writer's page with the portfolio's market value, contributions and withdrawals
// per calendar quarter, from the start of its history to its performance date. NotFound,
// with the page left empty, when there is no such portfolio.
Status BuildMarketValuesPage(ReportWriter& writer, Pid portfolio_id);

}  // namespace brevanta
