#pragma once

#include "core/status.h"
#include "store/identifiers.h"

namespace brevanta {

class ReportWriter;

// Fills the writer's page with the portfolio performance page as of the portfolio's
// performance date: a row (or two) per investment with its market value, allocation and
// stored returns, the portfolio's total rows and the net cash-flow box. NotFound, with the
// page left empty, when there is no such portfolio. Asking for neither kind of row shows both.
Status BuildPortfolioPerformancePage(ReportWriter& writer, Pid portfolio_id, bool time_weighted,
                                     bool dollar_weighted);

}  // namespace brevanta
