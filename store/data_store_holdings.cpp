// Investments: the list, their rows, and copying, moving and deleting them with their history.
#include "store/benchmark_choice_rows.h"
#include "store/data_store_internals.h"
#include "store/table_rows.h"

namespace brevanta {

std::vector<HoldingRecord> DataStore::Holdings::HoldingsOfPortfolio(Pid portfolio_id) const {
    const std::span<const HoldingRecord> holdings = internals_.holdings.OfPortfolio(portfolio_id);
    return {holdings.begin(), holdings.end()};
}

std::optional<HoldingRecord> DataStore::Holdings::FindHolding(Hid id) const {
    const HoldingRecord* found = internals_.holdings.Find(id);
    if (!found) return std::nullopt;
    return *found;
}

std::optional<HoldingRecord> DataStore::Holdings::FindHoldingIn(Pid portfolio_id, Hid id) const {
    const HoldingRecord* found = internals_.holdings.FindIn(portfolio_id, id);
    if (!found) return std::nullopt;
    return *found;
}

StoreResult<Hid> DataStore::Holdings::InsertHolding(const HoldingRecord& record) {
    return internals_.Write("adding an investment", [&]() -> StoreResult<Hid> {
        const StoreResult<Hid> id = internals_.NewId<Hid>(internals_.holding_table);
        if (!id.ok()) return id;
        const Status status =
            AppendOneRow<HoldingRows>(internals_.holding_table, AppendStart::FromTop,
                                      [&](const HoldingRows& f, RowWriter& writer) {
                                          f.WriteNew(writer, id.value(), record);
                                      });
        if (!status.ok()) return status;
        internals_.changes().holdings = true;
        return id;
    });
}

StoreResult<int> DataStore::Holdings::UpdateHolding(Hid id, const HoldingChanges& changes) {
    return internals_.Write("changing an investment", [&]() -> StoreResult<int> {
        const Status storable =
            StorableTexts({changes.Name.value_or(""), changes.Description.value_or("")});
        if (!storable.ok()) return storable;
        const StoreResult<int> changed = RewriteById<HoldingRows>(
            internals_.holding_table, id,
            [&](const HoldingRows& f, RowWriter& writer) { f.WriteChanges(writer, changes); });
        if (changed.ok() && changed.value() > 0) {
            internals_.changes().holdings = true;
            // The opening entries that lead its lists come from the inception.
            internals_.changes().histories.insert(id);
        }
        return changed;
    });
}

StoreResult<int> DataStore::Holdings::StoreHoldingFigures(Hid id,
                                                          const PerformanceFigures& figures) {
    return internals_.Write("storing figures", [&]() -> StoreResult<int> {
        const auto rows = internals_.figure_rows[1].find(Number(id));
        if (rows == internals_.figure_rows[1].end()) return 0;
        internals_.changes().figures = true;
        return WriteFiguresInPlace(internals_.holding_table, rows->second, figures);
    });
}

Status DataStore::Holdings::DeleteHolding(Hid id) {
    return internals_.Write("deleting an investment", [&]() -> Status {
        internals_.changes().holdings = true;
        internals_.changes().histories.insert(id);
        const Status cleared = RetargetBenchmarkChoices(internals_, id, std::nullopt);
        if (!cleared.ok()) return cleared;
        return internals_.DeleteRows(
            "HID", Number(id),
            {&internals_.holding_table, &internals_.transaction_table, &internals_.value_table});
    });
}

StoreResult<Hid> DataStore::Holdings::Copy(Hid id, Pid portfolio_id) {
    const HoldingRecord* source = internals_.holdings.Find(id);
    if (!source)
        return Status::NotFound(
            Message(BREVANTA_TEXT("Store", "There is no investment %1."), {IdText(id)}));
    HoldingRecord copy = *source;
    copy.PortfolioId = portfolio_id;
    const StoreResult<Hid> new_id = internals_.NewId<Hid>(internals_.holding_table);
    if (!new_id.ok()) return new_id;
    copy.Id = new_id.value();
    // The new row carries the source's performance date and figures from the start.
    Status status = AppendOneRow<HoldingRows>(internals_.holding_table, AppendStart::FromTop,
                                              [&](const HoldingRows& f, RowWriter& writer) {
                                                  f.WriteNew(writer, copy.Id, copy);
                                                  f.figures.WriteFigures(writer, FiguresOf(copy));
                                              });

    // The rows as they stand, with the new investment's identifiers.
    const auto moved = [&](auto rows) {
        std::vector<typename decltype(rows)::value_type> copies(rows.begin(), rows.end());
        for (auto& row : copies) {
            row.PortfolioId = portfolio_id;
            row.HoldingId = copy.Id;
        }
        return copies;
    };
    if (status.ok()) {
        status = internals_.AppendRecords<TransactionRows>(
            internals_.transaction_table, moved(internals_.transactions.OfHolding(id)), nullptr);
    }
    if (status.ok()) {
        status = internals_.AppendRecords<ValueRows>(
            internals_.value_table, moved(internals_.values.OfHolding(id)), nullptr);
    }
    if (!status.ok()) return status;
    internals_.changes().holdings = true;
    internals_.changes().histories.insert(copy.Id);
    return copy.Id;
}

StoreResult<HoldingRecord> DataStore::Holdings::CopyHolding(Hid id, Pid portfolio_id) {
    const StoreResult<Hid> copied =
        internals_.Write("copying an investment", [&] { return Copy(id, portfolio_id); });
    if (!copied.ok()) return copied.status();
    const std::optional<HoldingRecord> copy = FindHolding(copied.value());
    if (!copy)
        return Status::NotFound(Message(
            BREVANTA_TEXT("Store", "The copy of investment %1 is not stored."), {IdText(id)}));
    return *copy;
}

StoreResult<HoldingRecord> DataStore::Holdings::MoveHolding(Hid id, Pid portfolio_id) {
    const StoreResult<Hid> moved =
        internals_.Write("moving an investment", [&]() -> StoreResult<Hid> {
            const StoreResult<Hid> copy = Copy(id, portfolio_id);
            if (!copy.ok()) return copy;
            // A portfolio benchmarked on the investment follows it to its new identifier.
            const Status followed = RetargetBenchmarkChoices(internals_, id, copy.value());
            if (!followed.ok()) return followed;
            const Status deleted = DeleteHolding(id);
            if (!deleted.ok()) return deleted;
            return copy;
        });
    if (!moved.ok()) return moved.status();
    const std::optional<HoldingRecord> copy = FindHolding(moved.value());
    if (!copy)
        return Status::NotFound(Message(
            BREVANTA_TEXT("Store", "The moved investment %1 is not stored."), {IdText(id)}));
    return *copy;
}

}  // namespace brevanta
