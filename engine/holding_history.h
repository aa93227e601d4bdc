#pragma once

#include <vector>

#include "core/date.h"
#include "engine/transaction_timeline.h"

namespace brevanta {

// One investment's historical values (led by its opening value, then by date) and its
// transactions, for valuing it at a date.
class HoldingHistory {
  public:
    struct Value {
        Date date;
        double value = 0;
    };

    // When the transactions after the latest value count towards the market value.
    enum class LaterFlows {
        Always,           // investment mode
        OnlyAfterAValue,  // portfolio mode: only when the latest value is above 0
    };

    HoldingHistory(std::vector<Value> values, TransactionTimeline transactions);

    // The latest value dated on or before d plus the flows after it up to d; not clamped.
    double ValueAt(Date d, LaterFlows later_flows) const;

    const TransactionTimeline& transactions() const { return transactions_; }

  private:
    // The value a walk from the start keeps when it stops at the first value after d.
    const Value* LatestValueOnOrBefore(Date d) const;

    std::vector<Value> values_;
    bool rest_by_date_ = true;
    TransactionTimeline transactions_;
};

}  // namespace brevanta
