#pragma once

#include "core/status.h"
#include "store/identifiers.h"

namespace brevanta {

class ReportWriter;

// Which parts of the investment detail page a report shows.
struct DetailSections {
    bool time_weighted = true;    // the time-weighted return table
    bool dollar_weighted = true;  // the dollar-weighted return table
    bool lists = true;            // the transactions and historical values
};

// Fills the writer's page with the investment detail page: title, header block, the return
// tables asked for, the lists. Money carries the stored currency symbol before the number,
// with the writer's separators. NotFound, with the page left empty, when the investment is
// not in the portfolio.
Status BuildInvestmentDetailPage(ReportWriter& writer, Pid portfolio_id, Hid holding_id,
                                 DetailSections sections);

}  // namespace brevanta
