#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/date.h"

namespace brevanta {

enum class FlowKind { Contribution, Dividend, Withdrawal, Other };

// "CC", "DI", "WI", compared exactly; any other code is ignored by every sum.
FlowKind FlowKindOfCode(std::string_view code);

// What a sum counts: a market value adds contributions and reinvested dividends and
// subtracts withdrawals; an external cash flow leaves reinvested dividends out.
enum class FlowMeasure { MarketValue, ExternalCashFlow };

// A transaction list as the store hands it out: a leading entry, then the rest by date.
// Sums visit the entries in list order, so they are bit for bit those of a plain walk
// over the list; a date-ordered rest only lets them skip to the entries that count.
class TransactionTimeline {
  public:
    struct Entry {
        Date date;
        FlowKind kind = FlowKind::Other;
        double amount = 0;
    };

    explicit TransactionTimeline(std::vector<Entry> entries);

    bool empty() const { return entries_.empty(); }
    const Entry& front() const { return entries_.front(); }

    // start plus or minus the amounts of the entries dated after `after` (every entry
    // when nullopt) and on or before up_to, added one by one in list order.
    double Sum(std::optional<Date> after, Date up_to, FlowMeasure measure, double start) const;

  private:
    std::vector<Entry> entries_;
    bool rest_by_date_ = true;
};

}  // namespace brevanta
