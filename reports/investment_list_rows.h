#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/locale.h"
#include "core/message.h"
#include "reports/text_row.h"
#include "store/data_store.h"
#include "store/records.h"

namespace brevanta {

// One column of the investment list.
struct ListColumn {
    Message caption;
    int width;
    bool right_aligned;
};

// "Name" (width 125) first, then the visible columns in the order given, with their stored
// widths. "Recent Value" and the figure columns are right-aligned so that signs and decimals
// line up; "Name", "Inception Date" and unknown columns are left-aligned.
std::vector<ListColumn> ListColumns(const std::vector<ColumnRecord>& visible);

struct InvestmentList {
    // The investments by name (ids: HIDs), then the "   Total" line (id 0); a cell per
    // ListColumns entry, the name first.
    std::vector<TextRow> rows;
    Message caption;  // " Total Value of the <name> portfolio: $<total, whole units>"
};

// The list of one portfolio as of today, every cell as text: the figure columns formatted
// with number_pattern (see FigurePattern), "Recent Value" as the investment's market value
// today in dollars and cents, with the stored currency symbol placed as the locale places it
// (see LocaleCurrency). Each recent value is rounded to the cent and the total is the
// sum of the rounded rows, so the total line always adds up. A portfolio that does not exist
// gives no rows and an empty caption.
InvestmentList BuildInvestmentList(const DataStore& store, Pid portfolio_id,
                                   const std::vector<ColumnRecord>& visible,
                                   std::string_view number_pattern, const Locale& locale,
                                   Date today);

}  // namespace brevanta
