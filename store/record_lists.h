#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "store/records.h"

namespace brevanta {

// The in-memory lists of the store, each indexed so that a lookup by identifier, and a
// query for one portfolio or one investment, costs in proportion to its own rows. Every
// Assign replaces the whole list, and with it every pointer and span handed out before.

// Portfolios sorted by Name (byte by byte; equal names keep table order).
class PortfolioList {
  public:
    // `rows` in table order.
    void Assign(std::vector<PortfolioRecord> rows);
    const std::vector<PortfolioRecord>& all() const { return rows_; }
    // The first portfolio in list order with that Id, or null.
    const PortfolioRecord* Find(Pid id) const;
    // The largest identifier in the list, 0 when it is empty.
    IdNumber largest_id() const { return largest_id_; }

  private:
    std::vector<PortfolioRecord> rows_;
    std::unordered_map<Pid, uint32_t> first_by_id_;
    IdNumber largest_id_ = 0;
};

// Investments sorted by PortfolioId, then Name (equal keys keep table order).
class HoldingList {
  public:
    // `rows` in table order, as for PortfolioList.
    void Assign(std::vector<HoldingRecord> rows);
    std::span<const HoldingRecord> OfPortfolio(Pid portfolio_id) const;
    const HoldingRecord* Find(Hid id) const;
    const HoldingRecord* FindIn(Pid portfolio_id, Hid id) const;
    IdNumber largest_id() const { return largest_id_; }

  private:
    std::vector<HoldingRecord> rows_;
    std::unordered_map<Hid, uint32_t> first_by_id_;
    IdNumber largest_id_ = 0;
};

// Comparison of two entries of one investment and one date that decides their order right
// after a load: values of one date come smaller value first; transactions keep table order.
inline bool LoadTieBefore(const TransactionRecord&, const TransactionRecord&) { return false; }
inline bool LoadTieBefore(const ValueRecord& a, const ValueRecord& b) { return a.Value < b.Value; }

// Transactions or values, grouped by investment and sorted by Date within each (ties by
// LoadTieBefore, then table order).
template <typename Record>
class HistoryList {
  public:
    void Assign(std::vector<Record> rows) {
        const auto before = [](const Record& a, const Record& b) {
            if (a.HoldingId != b.HoldingId) return a.HoldingId < b.HoldingId;
            if (a.Date != b.Date) return a.Date < b.Date;
            return LoadTieBefore(a, b);
        };
        // Tables written in date order per investment need no sort (and no moves).
        if (!std::is_sorted(rows.begin(), rows.end(), before)) {
            std::stable_sort(rows.begin(), rows.end(), before);
        }
        rows_ = std::move(rows);
        by_holding_.clear();
        by_portfolio_.clear();
        by_id_.clear();
        by_id_.reserve(rows_.size());
        for (uint32_t i = 0; i < rows_.size(); ++i) {
            const Record& row = rows_[i];
            auto [range, added] = by_holding_.try_emplace(row.HoldingId, i, i + 1);
            if (!added) range->second.second = i + 1;
            by_portfolio_[row.PortfolioId].push_back(i);
            by_id_.push_back({row.Id, i});
        }
        // Identifiers mostly come in table order already. Equal ones keep list order, so the
        // first of them is found.
        const auto by_id = [](const IdAt& a, const IdAt& b) { return a.id < b.id; };
        if (!std::is_sorted(by_id_.begin(), by_id_.end(), by_id)) {
            std::stable_sort(by_id_.begin(), by_id_.end(), by_id);
        }
    }

    // The investment's entries by date.
    std::span<const Record> OfHolding(Hid holding_id) const {
        const auto found = by_holding_.find(holding_id);
        if (found == by_holding_.end()) return {};
        return std::span<const Record>(rows_).subspan(found->second.first,
                                                      found->second.second - found->second.first);
    }

    // Positions (for at()) of the portfolio's entries, grouped by investment, by date within.
    std::span<const uint32_t> OfPortfolio(Pid portfolio_id) const {
        const auto found = by_portfolio_.find(portfolio_id);
        if (found == by_portfolio_.end()) return {};
        return found->second;
    }
    const Record& at(uint32_t position) const { return rows_[position]; }

    IdNumber largest_id() const { return by_id_.empty() ? 0 : Number(by_id_.back().id); }

    const Record* Find(decltype(Record::Id) id) const {
        const auto found = std::partition_point(by_id_.begin(), by_id_.end(),
                                                [id](const IdAt& entry) { return entry.id < id; });
        return found == by_id_.end() || found->id != id ? nullptr : &rows_[found->position];
    }

  private:
    std::vector<Record> rows_;
    std::unordered_map<Hid, std::pair<uint32_t, uint32_t>> by_holding_;  // [first, last)
    std::unordered_map<Pid, std::vector<uint32_t>> by_portfolio_;
    // Positions by identifier: a sorted array is a tenth of the memory of a hash map, which
    // with a row each is what a load would spend most of its time allocating.
    struct IdAt {
        decltype(Record::Id) id;
        uint32_t position;
    };
    std::vector<IdAt> by_id_;
};

}  // namespace brevanta
