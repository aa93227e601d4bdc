#include "store/record_lists.h"

#include <algorithm>
#include <cassert>

namespace brevanta {

namespace {

template <typename Record>
std::unordered_map<decltype(Record::Id), uint32_t> FirstPositions(const std::vector<Record>& rows) {
    std::unordered_map<decltype(Record::Id), uint32_t> first;
    first.reserve(rows.size());
    for (uint32_t i = 0; i < rows.size(); ++i) first.try_emplace(rows[i].Id, i);
    return first;
}

template <typename Record>
IdNumber LargestIdOf(const std::vector<Record>& rows) {
    IdNumber largest = 0;
    for (const Record& row : rows) largest = std::max(largest, Number(row.Id));
    return largest;
}

template <typename Record>
const Record* At(const std::vector<Record>& rows,
                 const std::unordered_map<decltype(Record::Id), uint32_t>& first,
                 decltype(Record::Id) id) {
    const auto found = first.find(id);
    return found == first.end() ? nullptr : &rows[found->second];
}

// Sorts `rows` (given in table order) stably by `before`.
template <typename Record, typename Before>
void SortKeepingTableOrder(std::vector<Record>& rows, Before before) {
    if (!std::is_sorted(rows.begin(), rows.end(), before)) {
        std::stable_sort(rows.begin(), rows.end(), before);
    }
}

}  // namespace

void PortfolioList::Assign(std::vector<PortfolioRecord> rows) {
    SortKeepingTableOrder(
        rows, [](const PortfolioRecord& a, const PortfolioRecord& b) { return a.Name < b.Name; });
    rows_ = std::move(rows);
    first_by_id_ = FirstPositions(rows_);
    largest_id_ = LargestIdOf(rows_);
}

const PortfolioRecord* PortfolioList::Find(Pid id) const { return At(rows_, first_by_id_, id); }

void HoldingList::Assign(std::vector<HoldingRecord> rows) {
    SortKeepingTableOrder(rows, [](const HoldingRecord& a, const HoldingRecord& b) {
        if (a.PortfolioId != b.PortfolioId) return a.PortfolioId < b.PortfolioId;
        return a.Name < b.Name;
    });
    rows_ = std::move(rows);
    first_by_id_ = FirstPositions(rows_);
    largest_id_ = LargestIdOf(rows_);
}

std::span<const HoldingRecord> HoldingList::OfPortfolio(Pid portfolio_id) const {
    const auto first =
        std::partition_point(rows_.begin(), rows_.end(),
                             [&](const HoldingRecord& h) { return h.PortfolioId < portfolio_id; });
    const auto last = std::partition_point(
        first, rows_.end(), [&](const HoldingRecord& h) { return h.PortfolioId == portfolio_id; });
    return {first, last};
}

const HoldingRecord* HoldingList::Find(Hid id) const { return At(rows_, first_by_id_, id); }

const HoldingRecord* HoldingList::FindIn(Pid portfolio_id, Hid id) const {
    for (const HoldingRecord& holding : OfPortfolio(portfolio_id)) {
        if (holding.Id == id) return &holding;
    }
    return nullptr;
}

}  // namespace brevanta
