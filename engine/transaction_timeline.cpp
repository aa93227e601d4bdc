#include "engine/transaction_timeline.h"

#include <algorithm>

namespace brevanta {

namespace {

using Entry = TransactionTimeline::Entry;

bool IsDatedAfter(Date date, const Entry& entry) { return date < entry.date; }

bool Counts(const Entry& entry, std::optional<Date> after, Date up_to) {
    return (!after || *after < entry.date) && entry.date <= up_to;
}

double Apply(double total, const Entry& entry, FlowMeasure measure) {
    switch (entry.kind) {
        case FlowKind::Contribution:
            return total + entry.amount;
        case FlowKind::Dividend:
            return measure == FlowMeasure::MarketValue ? total + entry.amount : total;
        case FlowKind::Withdrawal:
            return total - entry.amount;
        case FlowKind::Other:
            break;
    }
    return total;
}

}  // namespace

FlowKind FlowKindOfCode(std::string_view code) {
    if (code == "CC") return FlowKind::Contribution;
    if (code == "DI") return FlowKind::Dividend;
    if (code == "WI") return FlowKind::Withdrawal;
    return FlowKind::Other;
}

TransactionTimeline::TransactionTimeline(std::vector<Entry> entries)
    : entries_(std::move(entries)) {
    if (!entries_.empty()) {
        rest_by_date_ =
            std::is_sorted(entries_.begin() + 1, entries_.end(),
                           [](const Entry& a, const Entry& b) { return a.date < b.date; });
    }
}

double TransactionTimeline::Sum(std::optional<Date> after, Date up_to, FlowMeasure measure,
                                double start) const {
    double total = start;
    if (entries_.empty()) return total;
    if (!rest_by_date_) {
        for (const Entry& entry : entries_) {
            if (Counts(entry, after, up_to)) total = Apply(total, entry, measure);
        }
        return total;
    }
    if (Counts(entries_.front(), after, up_to)) total = Apply(total, entries_.front(), measure);
    const auto rest = entries_.begin() + 1;
    const auto first = after ? std::upper_bound(rest, entries_.end(), *after, IsDatedAfter) : rest;
    const auto last = std::upper_bound(first, entries_.end(), up_to, IsDatedAfter);
    for (auto it = first; it < last; ++it) total = Apply(total, *it, measure);
    return total;
}

}  // namespace brevanta
