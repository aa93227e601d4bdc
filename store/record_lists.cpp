#include "store/record_lists.h"

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
const Record* At(const std::vector<Record>& rows,
                 const std::unordered_map<decltype(Record::Id), uint32_t>& first,
                 decltype(Record::Id) id) {
    const auto found = first.find(id);
    return found == first.end() ? nullptr : &rows[found->second];
}

// Sorts `rows` (given in table order) stably by `before`; returns where each table row went.
template <typename Record, typename Before>
std::vector<uint32_t> SortKeepingTableRows(std::vector<Record>& rows, Before before) {
    std::vector<uint32_t> order(rows.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return before(rows[a], rows[b]); });
    std::vector<Record> sorted;
    sorted.reserve(rows.size());
    std::vector<uint32_t> position_of_table_row(rows.size());
    for (uint32_t position = 0; position < order.size(); ++position) {
        sorted.push_back(std::move(rows[order[position]]));
        position_of_table_row[order[position]] = position;
    }
    rows = std::move(sorted);
    return position_of_table_row;
}

}  // namespace

void PortfolioList::Assign(std::vector<PortfolioRecord> rows) {
    position_of_table_row_ = SortKeepingTableRows(
        rows, [](const PortfolioRecord& a, const PortfolioRecord& b) { return a.Name < b.Name; });
    rows_ = std::move(rows);
    first_by_id_ = FirstPositions(rows_);
}

void PortfolioList::Replace(uint32_t table_row, PortfolioRecord record) {
    PortfolioRecord& replaced = rows_.at(position_of_table_row_.at(table_row));
    assert(replaced.Name == record.Name);
    replaced = std::move(record);
}

const PortfolioRecord* PortfolioList::Find(Pid id) const { return At(rows_, first_by_id_, id); }

void HoldingList::Assign(std::vector<HoldingRecord> rows) {
    position_of_table_row_ =
        SortKeepingTableRows(rows, [](const HoldingRecord& a, const HoldingRecord& b) {
            if (a.PortfolioId != b.PortfolioId) return a.PortfolioId < b.PortfolioId;
            return a.Name < b.Name;
        });
    rows_ = std::move(rows);
    first_by_id_ = FirstPositions(rows_);
}

void HoldingList::Replace(uint32_t table_row, HoldingRecord record) {
    HoldingRecord& replaced = rows_.at(position_of_table_row_.at(table_row));
    assert(replaced.PortfolioId == record.PortfolioId && replaced.Name == record.Name);
    replaced = std::move(record);
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
