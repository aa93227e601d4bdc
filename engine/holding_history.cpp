#include "engine/holding_history.h"

#include <algorithm>

namespace brevanta {

HoldingHistory::HoldingHistory(std::vector<Value> values, TransactionTimeline transactions)
    : values_(std::move(values)), transactions_(std::move(transactions)) {
    if (!values_.empty()) {
        rest_by_date_ =
            std::is_sorted(values_.begin() + 1, values_.end(),
                           [](const Value& a, const Value& b) { return a.date < b.date; });
    }
}

const HoldingHistory::Value* HoldingHistory::LatestValueOnOrBefore(Date d) const {
    if (values_.empty() || d < values_.front().date) return nullptr;
    if (!rest_by_date_) {
        const auto stop = std::find_if(values_.begin(), values_.end(),
                                       [d](const Value& value) { return d < value.date; });
        return &*(stop - 1);
    }
    const auto stop =
        std::upper_bound(values_.begin() + 1, values_.end(), d,
                         [](Date date, const Value& value) { return date < value.date; });
    return &*(stop - 1);
}

double HoldingHistory::ValueAt(Date d, LaterFlows later_flows) const {
    const Value* latest = LatestValueOnOrBefore(d);
    const double value = latest ? latest->value : 0.0;
    if (later_flows == LaterFlows::OnlyAfterAValue && !(value > 0)) return value;
    const std::optional<Date> after = latest ? std::optional<Date>(latest->date) : std::nullopt;
    return transactions_.Sum(after, d, FlowMeasure::MarketValue, value);
}

}  // namespace brevanta
