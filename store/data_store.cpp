#include "store/data_store.h"

#include <algorithm>

#include "core/file_system.h"
#include "core/whole_file.h"
#include "store/data_store_lists.h"
#include "store/figure_table.h"
#include "store/table_layouts.h"
#include "store/table_rows.h"

namespace brevanta {

namespace {

TableFile InDirectory(const std::string& directory, const char* name, Table::Mode access) {
    return {directory + "/" + name, name, access};
}

}  // namespace

DataStore::DataStore(const std::string& data_directory, Table::Mode access)
    : portfolio_table_(InDirectory(data_directory, kPortfolioTableFile, access)),
      holding_table_(InDirectory(data_directory, kHoldingTableFile, access)),
      transaction_table_(InDirectory(data_directory, kTransactionTableFile, access)),
      value_table_(InDirectory(data_directory, kValueTableFile, access)),
      settings_table_(InDirectory(data_directory, kSettingsTableFile, access)),
      lists_(std::make_unique<Lists>()),
      access_(access),
      lock_(data_directory) {}

DataStore::~DataStore() = default;

Status DataStore::Load() {
    load_failure_ = Status::Ok();
    // One hold over all six loads: the lists come from one state of the directory.
    const DirectoryLock::Hold hold(lock_, LoadKind());
    if (!hold.status().ok()) return Loaded(hold.status());
    // A damaged table stops the load before any table is packed.
    pending_packs_.emplace();
    for (Status (DataStore::*load)() :
         {&DataStore::LoadPortfolios, &DataStore::LoadHoldings, &DataStore::LoadHistories,
          &DataStore::LoadColumns, &DataStore::LoadSettings}) {
        Status status = (this->*load)();
        if (!status.ok()) {
            pending_packs_.reset();
            return status;
        }
    }
    const std::vector<const TableFile*> packs = std::move(*pending_packs_);
    pending_packs_.reset();
    for (const TableFile* file : packs) {
        if (Status packed = PackAfterReading(*file, true); !packed.ok()) return Loaded(packed);
    }
    return Status::Ok();
}

bool DataStore::IsTableFile(const std::filesystem::path& path) const {
    FileSystem& fs = FileSystem::Default();
    FileInfo file;
    if (!fs.Info(path.string(), &file).ok()) return false;
    for (const TableFile* table : {&portfolio_table_, &holding_table_, &transaction_table_,
                                   &value_table_, &settings_table_}) {
        FileInfo table_file;
        if (fs.Info(table->path, &table_file).ok() && table_file.device == file.device &&
            table_file.inode == file.inode)
            return true;
    }
    return false;
}

StoreResult<int> DataStore::ReloadedIfChanged(StoreResult<int> changed,
                                              Status (DataStore::*reload)()) {
    if (changed.ok() && changed.value() > 0) {
        Status reloaded = (this->*reload)();
        if (!reloaded.ok()) return reloaded;
    }
    return changed;
}

Status DataStore::Loaded(Status status) {
    if (!status.ok()) load_failure_ = status;
    return status;
}

DataStore::Writing::Writing(DataStore& store) : refusal(store.load_failure_) {
    if (!refusal.ok()) return;
    if (store.access_ == Table::Mode::ReadOnly) {
        refusal = Status::InvalidArgument("The data directory is open for reading only.");
        return;
    }
    hold.emplace(store.lock_, DirectoryLock::Kind::Exclusive);
    refusal = hold->status();
    // With the lock held no other process writes a table, so a temporary file beside one is
    // what a killed pack or create left. Once per hold taken, not per nested write; failing to
    // remove one costs only space.
    if (refusal.ok() && hold->took_lock()) {
        RemoveLeftoverTemporaries(
            FileSystem::Default(),
            {store.portfolio_table_.path, store.holding_table_.path, store.transaction_table_.path,
             store.value_table_.path, store.settings_table_.path});
    }
}

Status DataStore::PackAfterReading(const TableFile& file, bool saw_deleted) {
    if (!saw_deleted || access_ == Table::Mode::ReadOnly) return Status::Ok();
    if (pending_packs_) {
        if (std::find(pending_packs_->begin(), pending_packs_->end(), &file) ==
            pending_packs_->end()) {
            pending_packs_->push_back(&file);
        }
        return Status::Ok();
    }
    Table table;
    Status status = OpenTable(table, file);
    if (status.ok()) status = TableFailure(file, table.Pack());
    if (status.ok()) status = TableFailure(file, table.Close());
    return status;
}

DirectoryLock::Kind DataStore::LoadKind() const {
    return access_ == Table::Mode::ReadOnly ? DirectoryLock::Kind::Shared
                                            : DirectoryLock::Kind::Exclusive;
}

// --- Portfolios ---

Status DataStore::LoadPortfolios() {
    const DirectoryLock::Hold hold(lock_, LoadKind());
    if (!hold.status().ok()) return Loaded(hold.status());
    std::vector<PortfolioRecord> rows;
    bool deleted = false;
    Status status = ReadEveryRecord<PortfolioRows>(portfolio_table_, rows, &deleted);
    if (status.ok()) status = PackAfterReading(portfolio_table_, deleted);
    if (!status.ok()) rows.clear();
    lists_->portfolios.Assign(std::move(rows));
    return Loaded(std::move(status));
}

std::vector<PortfolioRecord> DataStore::AllPortfolios() const { return lists_->portfolios.all(); }

std::optional<PortfolioRecord> DataStore::FindPortfolio(Pid id) const {
    const PortfolioRecord* found = lists_->portfolios.Find(id);
    if (!found) return std::nullopt;
    return *found;
}

std::string DataStore::PortfolioName(Pid id) const {
    const DirectoryLock::Hold hold(lock_, DirectoryLock::Kind::Shared);
    if (!hold.status().ok()) return "";
    PortfolioRows fields;
    std::optional<std::string> name;
    const StoreResult<int> visited =
        VisitRows(portfolio_table_, Locking::AllRows, fields,
                  [&](PortfolioRows& f, RowReader& reader, RowWriter&) {
                      if (!name && SameIdentifier(reader, f.id, Number(id)))
                          name = reader.Text(f.name);
                      return false;
                  });
    return visited.ok() ? name.value_or("") : "";
}

StoreResult<Pid> DataStore::NextPortfolioId() {
    return NextIdentifier<Pid>(portfolio_table_, "PID");
}

StoreResult<Pid> DataStore::InsertPortfolio(const std::string& name,
                                            const std::string& description) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    const StoreResult<Pid> id = NextPortfolioId();
    if (!id.ok()) return id;
    Status status = AppendOneRow<PortfolioRows>(
        portfolio_table_, AppendStart::FromTop, [&](const PortfolioRows& f, RowWriter& writer) {
            f.WriteNew(writer, id.value(), name, description);
        });
    if (status.ok()) status = LoadPortfolios();
    if (!status.ok()) return status;
    return id;
}

StoreResult<int> DataStore::RenamePortfolio(Pid id, const std::string& name,
                                            const std::string& description) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    if (Status storable = StorableTexts({name, description}); !storable.ok()) return storable;
    return ReloadedIfChanged(
        RewriteById<PortfolioRows>(portfolio_table_, Locking::AllRows, id,
                                   [&](const PortfolioRows& f, RowWriter& writer) {
                                       f.WriteNames(writer, name, description);
                                   }),
        &DataStore::LoadPortfolios);
}

StoreResult<int> DataStore::StorePortfolioFigures(Pid id, const PerformanceFigures& figures) {
    if (figure_tables_) return StoreBatchedPortfolioFigures(id, figures);
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    return ReloadedIfChanged(
        RewriteById<PortfolioRows>(portfolio_table_, Locking::AllRows, id,
                                   [&](const PortfolioRows& f, RowWriter& writer) {
                                       f.figures.WriteFigures(writer, figures);
                                   }),
        &DataStore::LoadPortfolios);
}

Status DataStore::DeletePortfolio(Pid id) { return DeleteCascade("PID", Number(id), true); }

// --- Investments ---

Status DataStore::LoadHoldings() {
    const DirectoryLock::Hold hold(lock_, LoadKind());
    if (!hold.status().ok()) return Loaded(hold.status());
    std::vector<HoldingRecord> rows;
    bool deleted = false;
    Status status = ReadEveryRecord<HoldingRows>(holding_table_, rows, &deleted);
    if (status.ok()) status = PackAfterReading(holding_table_, deleted);
    if (!status.ok()) rows.clear();
    lists_->holdings.Assign(std::move(rows));
    return Loaded(std::move(status));
}

std::vector<HoldingRecord> DataStore::HoldingsOfPortfolio(Pid portfolio_id) const {
    const std::span<const HoldingRecord> holdings = lists_->holdings.OfPortfolio(portfolio_id);
    return {holdings.begin(), holdings.end()};
}

std::optional<HoldingRecord> DataStore::FindHolding(Hid id) const {
    const HoldingRecord* found = lists_->holdings.Find(id);
    if (!found) return std::nullopt;
    return *found;
}

std::optional<HoldingRecord> DataStore::FindHoldingIn(Pid portfolio_id, Hid id) const {
    const HoldingRecord* found = lists_->holdings.FindIn(portfolio_id, id);
    if (!found) return std::nullopt;
    return *found;
}

StoreResult<Hid> DataStore::NextHoldingId() { return NextIdentifier<Hid>(holding_table_, "HID"); }

StoreResult<Hid> DataStore::InsertHolding(const HoldingRecord& record) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    const StoreResult<Hid> id = NextHoldingId();
    if (!id.ok()) return id;
    Status status = AppendOneRow<HoldingRows>(
        holding_table_, AppendStart::FromTop,
        [&](const HoldingRows& f, RowWriter& writer) { f.WriteNew(writer, id.value(), record); });
    if (status.ok()) status = LoadHoldings();
    if (!status.ok()) return status;
    return id;
}

StoreResult<int> DataStore::UpdateHolding(Hid id, const HoldingRecord& record) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    if (Status storable = StorableTexts({record.Name, record.Description}); !storable.ok())
        return storable;
    return ReloadedIfChanged(RewriteById<HoldingRows>(holding_table_, Locking::AllRows, id,
                                                      [&](const HoldingRows& f, RowWriter& writer) {
                                                          f.WriteDetails(writer, record);
                                                      }),
                             &DataStore::LoadHoldings);
}

StoreResult<int> DataStore::StoreHoldingFigures(Hid id, const PerformanceFigures& figures) {
    if (figure_tables_) return StoreBatchedHoldingFigures(id, figures);
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    return ReloadedIfChanged(RewriteById<HoldingRows>(holding_table_, Locking::AllRows, id,
                                                      [&](const HoldingRows& f, RowWriter& writer) {
                                                          f.figures.WriteFigures(writer, figures);
                                                      }),
                             &DataStore::LoadHoldings);
}

Status DataStore::DeleteHolding(Hid id) { return DeleteCascade("HID", Number(id), false); }

StoreResult<int> DataStore::DeleteRowsOf(const TableFile& file, const char* id_field, IdNumber id) {
    IdentifierField field{id_field, {}};
    return DeleteMatchingRows(
        file, Packing::AfterDelete, field,
        [&](IdentifierField& f, RowReader& reader) { return SameIdentifier(reader, f.id, id); });
}

Status DataStore::DeleteCascade(const char* id_field, IdNumber id, bool from_portfolios) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    struct Step {
        const TableFile* file;
        Status (DataStore::*reload)();
    };
    std::vector<Step> steps = {{&holding_table_, &DataStore::LoadHoldings},
                               {&transaction_table_, &DataStore::LoadTransactions},
                               {&value_table_, &DataStore::LoadValues}};
    if (from_portfolios)
        steps.insert(steps.begin(), {&portfolio_table_, &DataStore::LoadPortfolios});
    for (const Step& step : steps) {
        const StoreResult<int> deleted = DeleteRowsOf(*step.file, id_field, id);
        if (!deleted.ok()) return deleted.status();
        if (deleted.value() > 0) {
            const Status reloaded = (this->*step.reload)();
            if (!reloaded.ok()) return reloaded;
        }
    }
    return Status::Ok();
}

StoreResult<HoldingRecord> DataStore::CopyHolding(Hid id, Pid portfolio_id) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    const std::optional<HoldingRecord> source = FindHolding(id);
    if (!source) return Status::NotFound("there is no investment " + IdText(id));
    const std::vector<TransactionRecord> transactions = TransactionsOfHolding(id);
    const std::vector<ValueRecord> values = ValuesOfHolding(id);

    // Open both history tables before anything is written, so that a table in use stops the
    // copy before it starts.
    const StoreResult<Vid> first_value_id = NextValueId();
    if (!first_value_id.ok()) return first_value_id.status();
    const StoreResult<Tid> first_transaction_id = NextTransactionId();
    if (!first_transaction_id.ok()) return first_transaction_id.status();
    RowAppender<TransactionRows> transaction_rows(transaction_table_, AppendStart::Here);
    RowAppender<ValueRows> value_rows(value_table_, AppendStart::Here);
    Status status = transaction_rows.Open();
    if (status.ok()) status = value_rows.Open();
    if (!status.ok()) return status;

    HoldingRecord copy = *source;
    copy.PortfolioId = portfolio_id;
    const StoreResult<Hid> new_id = InsertHolding(copy);
    if (!new_id.ok()) return new_id.status();
    copy.Id = new_id.value();
    const StoreResult<int> stored = StoreHoldingFigures(copy.Id, FiguresOf(copy));
    if (!stored.ok()) return stored.status();

    // The opening entries lead both lists and are not rows.
    for (size_t i = 1; status.ok() && i < transactions.size(); ++i) {
        TransactionRecord transaction = transactions[i];
        transaction.PortfolioId = portfolio_id;
        transaction.HoldingId = copy.Id;
        const StoreResult<Tid> transaction_id = NewIdentifier(
            transaction_table_, first_transaction_id.value(), static_cast<IdNumber>(i - 1));
        status = transaction_id.status();
        if (!status.ok()) break;
        status = transaction_rows.Append([&](const TransactionRows& f, RowWriter& writer) {
            f.WriteNew(writer, transaction_id.value(), transaction);
        });
    }
    for (size_t i = 1; status.ok() && i < values.size(); ++i) {
        ValueRecord value = values[i];
        value.PortfolioId = portfolio_id;
        value.HoldingId = copy.Id;
        const StoreResult<Vid> value_id =
            NewIdentifier(value_table_, first_value_id.value(), static_cast<IdNumber>(i - 1));
        status = value_id.status();
        if (!status.ok()) break;
        status = value_rows.Append([&](const ValueRows& f, RowWriter& writer) {
            f.WriteNew(writer, value_id.value(), value);
        });
    }
    if (status.ok()) status = transaction_rows.Close();
    if (status.ok()) status = value_rows.Close();
    if (status.ok()) status = LoadTransactions();
    if (status.ok()) status = LoadValues();
    if (!status.ok()) return status;
    const std::optional<HoldingRecord> result = FindHolding(copy.Id);
    if (!result) return Status::Corruption(holding_table_.name + ": the copy did not load");
    return *result;
}

StoreResult<HoldingRecord> DataStore::MoveHolding(Hid id, Pid portfolio_id) {
    const StoreResult<HoldingRecord> copy = CopyHolding(id, portfolio_id);
    if (!copy.ok()) return copy;
    const Status deleted = DeleteHolding(id);
    if (!deleted.ok()) return deleted;
    return copy;
}

}  // namespace brevanta
