// Portfolios, and the figure writes they share with investments.
#include "store/benchmark_choice_rows.h"
#include "store/data_store_internals.h"
#include "store/table_rows.h"

namespace brevanta {

StoreResult<int> WriteFiguresInPlace(const TableFile& table, const std::vector<int32_t>& rows,
                                     const PerformanceFigures& figures) {
    Table opened;
    Status status = OpenTable(opened, table);
    if (!status.ok()) return status;
    RowReader reader(opened, table.name);
    FigureFields fields;
    fields.Bind(reader, table.name == std::string(kPortfolioTableFile) ? kPortfolioFigureFields
                                                                       : kHoldingFigureFields);
    if (!reader.status().ok()) return reader.status();
    for (const int32_t row : rows) {
        status = TableFailure(table, opened.Go(row));
        if (!status.ok()) return status;
        RowWriter writer(opened, table.name);
        fields.WriteFigures(writer, figures);
        if (!writer.status().ok()) return writer.status();
    }
    status = TableFailure(table, opened.Close());
    if (!status.ok()) return status;
    return static_cast<int>(rows.size());
}

std::vector<PortfolioRecord> DataStore::Portfolios::AllPortfolios() const {
    return internals_.portfolios.all();
}

std::optional<PortfolioRecord> DataStore::Portfolios::FindPortfolio(Pid id) const {
    const PortfolioRecord* found = internals_.portfolios.Find(id);
    if (!found) return std::nullopt;
    return *found;
}

std::string DataStore::Portfolios::PortfolioName(Pid id) const {
    const DirectoryLock::Hold hold(internals_.lock, DirectoryLock::Kind::Shared);
    if (!hold.status().ok()) return "";
    PortfolioRows fields;
    std::optional<std::string> name;
    const StoreResult<int> visited =
        VisitRows(internals_.portfolio_table, Locking::AllRows, fields,
                  [&](PortfolioRows& f, RowReader& reader, RowWriter&) {
                      if (!name && SameIdentifier(reader, f.id, Number(id)))
                          name = reader.Text(f.name);
                      return false;
                  });
    return visited.ok() ? name.value_or("") : "";
}

StoreResult<Pid> DataStore::Portfolios::InsertPortfolio(const std::string& name,
                                                        const std::string& description) {
    return internals_.Write("adding a portfolio", [&]() -> StoreResult<Pid> {
        const StoreResult<Pid> id = internals_.NewId<Pid>(internals_.portfolio_table);
        if (!id.ok()) return id;
        const Status status =
            AppendOneRow<PortfolioRows>(internals_.portfolio_table, AppendStart::FromTop,
                                        [&](const PortfolioRows& f, RowWriter& writer) {
                                            f.WriteNew(writer, id.value(), name, description);
                                        });
        if (!status.ok()) return status;
        internals_.changes().portfolios = true;
        return id;
    });
}

StoreResult<int> DataStore::Portfolios::RenamePortfolio(Pid id, const std::string& name,
                                                        const std::string& description) {
    return internals_.Write("renaming a portfolio", [&]() -> StoreResult<int> {
        if (Status storable = StorableTexts({name, description}); !storable.ok()) return storable;
        const StoreResult<int> changed = RewriteById<PortfolioRows>(
            internals_.portfolio_table, id, [&](const PortfolioRows& f, RowWriter& writer) {
                f.WriteNames(writer, name, description);
            });
        if (changed.ok() && changed.value() > 0) internals_.changes().portfolios = true;
        return changed;
    });
}

StoreResult<int> DataStore::Portfolios::StorePortfolioFigures(Pid id,
                                                              const PerformanceFigures& figures) {
    return internals_.Write("storing figures", [&]() -> StoreResult<int> {
        const auto rows = internals_.figure_rows[0].find(Number(id));
        if (rows == internals_.figure_rows[0].end()) return 0;
        internals_.changes().figures = true;
        return WriteFiguresInPlace(internals_.portfolio_table, rows->second, figures);
    });
}

Status DataStore::Portfolios::DeletePortfolio(Pid id) {
    return internals_.Write("deleting a portfolio", [&]() -> Status {
        StoreChanges& changes = internals_.changes();
        changes.portfolios = changes.holdings = true;
        for (const HoldingRecord& holding : internals_.holdings.OfPortfolio(id)) {
            changes.histories.insert(holding.Id);
        }
        const Status cleared = ClearBenchmarkChoicesOf(internals_, id);
        if (!cleared.ok()) return cleared;
        return internals_.DeleteRows("PID", Number(id),
                                     {&internals_.portfolio_table, &internals_.holding_table,
                                      &internals_.transaction_table, &internals_.value_table});
    });
}

}  // namespace brevanta
