// Figures written in place while a FigureBatch lives.
#include <cassert>

#include "store/data_store_lists.h"
#include "store/figure_table.h"

namespace brevanta {

DataStore::FigureTables::FigureTables(DataStore& store)
    : writing_(store),
      status_(writing_.refusal),
      portfolios_(store.portfolio_table_),
      holdings_(store.holding_table_) {
    if (status_.ok()) status_ = store.LoadPortfolios();
    if (status_.ok()) status_ = store.LoadHoldings();
    if (status_.ok()) status_ = portfolios_.Open();
    if (status_.ok()) status_ = holdings_.Open();
}

Status DataStore::FigureTables::Close() {
    const Status portfolios = portfolios_.Close();
    const Status holdings = holdings_.Close();
    return portfolios.ok() ? holdings : portfolios;
}

DataStore::FigureBatch::FigureBatch(DataStore& store) : store_(store) {
    assert(!store_.figure_tables_);
    store_.figure_tables_ = std::make_unique<FigureTables>(store_);
}

DataStore::FigureBatch::~FigureBatch() { Finish(); }

Status DataStore::FigureBatch::Finish() {
    if (!store_.figure_tables_) return Status::Ok();
    const Status closed = store_.figure_tables_->Close();
    store_.figure_tables_.reset();
    return closed;
}

StoreResult<int> DataStore::StoreBatchedPortfolioFigures(Pid id,
                                                         const PerformanceFigures& figures) {
    if (!figure_tables_->status().ok()) return figure_tables_->status();
    return figure_tables_->portfolios().Store(
        Number(id), figures, [this](uint32_t live_row, PortfolioRecord record) {
            lists_->portfolios.Replace(live_row, std::move(record));
        });
}

StoreResult<int> DataStore::StoreBatchedHoldingFigures(Hid id, const PerformanceFigures& figures) {
    if (!figure_tables_->status().ok()) return figure_tables_->status();
    return figure_tables_->holdings().Store(
        Number(id), figures, [this](uint32_t live_row, HoldingRecord record) {
            lists_->holdings.Replace(live_row, std::move(record));
        });
}

}  // namespace brevanta
