#include "store/data_store.h"

#include <algorithm>
#include <unordered_map>

#include "core/file_system.h"
#include "core/parallel_for.h"
#include "core/whole_file.h"
#include "store/change_journal.h"
#include "store/data_store_internals.h"
#include "store/table_layouts.h"
#include "store/table_rows.h"

namespace brevanta {

namespace {

TableFile InDirectory(const std::string& directory, const char* name, DataStore::Access access,
                      FileSystem& fs) {
    return {directory + "/" + name, name,
            access == DataStore::Access::ReadOnly ? Table::Mode::ReadOnly : Table::Mode::ReadWrite,
            &fs};
}

// A table's rows as read, not yet kept by the store.
template <typename Record>
struct TableRead {
    Status status;
    bool saw_deleted = false;
    std::vector<Record> rows;
    std::vector<int32_t> row_numbers;  // of each row in the file, when asked for
};

enum class RowNumbers { Skip, Keep };

template <typename Rows, typename Record>
TableRead<Record> ReadRecords(const TableFile& file, RowNumbers row_numbers = RowNumbers::Skip) {
    TableRead<Record> read;
    Rows fields;
    read.status = ReadEveryRowCounted(
        file, fields, [&](int32_t count) { read.rows.reserve(static_cast<size_t>(count)); },
        [&](Rows& f, RowReader& reader) {
            read.rows.push_back(f.Read(reader));
            if (row_numbers == RowNumbers::Keep) read.row_numbers.push_back(reader.row());
        },
        &read.saw_deleted);
    if (!read.status.ok()) read.rows.clear();
    return read;
}

// Where each identifier's rows are in the file.
template <typename Record>
std::unordered_map<IdNumber, std::vector<int32_t>> RowsById(const TableRead<Record>& read) {
    std::unordered_map<IdNumber, std::vector<int32_t>> rows;
    for (size_t i = 0; i < read.rows.size(); ++i) {
        rows[Number(read.rows[i].Id)].push_back(read.row_numbers[i]);
    }
    return rows;
}

// sys.dbf's rows, and its "VIEW" rows as columns by position.
struct SettingsRead {
    Status status;
    bool saw_deleted = false;
    std::vector<SettingRecord> settings;
    std::vector<ColumnRecord> columns;
};

SettingsRead ReadSettings(const TableFile& file) {
    SettingsRead read;
    SettingRows fields;
    read.status = ReadEveryRow(
        file, fields,
        [&](SettingRows& f, RowReader& r) {
            read.settings.push_back(f.Read(r));
            if (read.settings.back().Key != ColumnKey) return;
            ColumnRecord column;
            column.Name = read.settings.back().Val1;
            column.Visible = r.Integer(f.values[1]);
            column.Width = r.Integer(f.values[2]);
            column.Position = r.Integer(f.values[3]);
            read.columns.push_back(std::move(column));
        },
        &read.saw_deleted);
    if (!read.status.ok()) {
        read.settings.clear();
        read.columns.clear();
    }
    std::stable_sort(
        read.columns.begin(), read.columns.end(),
        [](const ColumnRecord& a, const ColumnRecord& b) { return a.Position < b.Position; });
    return read;
}

Status PackTable(const TableFile& file) {
    Table table;
    Status status = OpenTable(table, file);
    if (status.ok()) status = TableFailure(file, table.Pack());
    if (status.ok()) status = TableFailure(file, table.Close());
    return status;
}

}  // namespace

// --- Opening ---

DataStore::Internals::Internals(const std::string& store_directory, Access store_access)
    : fs(store_directory),
      portfolio_table(InDirectory(store_directory, kPortfolioTableFile, store_access, fs)),
      holding_table(InDirectory(store_directory, kHoldingTableFile, store_access, fs)),
      transaction_table(InDirectory(store_directory, kTransactionTableFile, store_access, fs)),
      value_table(InDirectory(store_directory, kValueTableFile, store_access, fs)),
      settings_table(InDirectory(store_directory, kSettingsTableFile, store_access, fs)),
      directory(store_directory),
      access(store_access),
      lock(store_directory) {}

DataStore::DataStore(const std::string& directory, Access access)
    : directory_(directory),
      access_(access),
      internals_(std::make_unique<Internals>(directory, access)),
      portfolios_(std::make_unique<Portfolios>(*internals_)),
      holdings_(std::make_unique<Holdings>(*internals_)),
      transactions_(std::make_unique<Transactions>(*internals_)),
      values_(std::make_unique<Values>(*internals_)),
      settings_(std::make_unique<Settings>(*internals_)) {}

DataStore::~DataStore() = default;

Status DataStore::Open(const std::string& directory, Access access,
                       std::unique_ptr<DataStore>* store) {
    std::unique_ptr<DataStore> opened(new DataStore(directory, access));
    const Status loaded = opened->Load();
    if (loaded.ok()) *store = std::move(opened);
    return loaded;
}

Status DataStore::Load() {
    Internals& in = *internals_;
    // One hold over the whole load: the lists come from one state of the directory.
    const DirectoryLock::Hold hold(
        in.lock, in.read_only() ? DirectoryLock::Kind::Shared : DirectoryLock::Kind::Exclusive);
    if (!hold.status().ok()) return hold.status();
    const Status undone =
        RollBackInterruptedChange(FileSystem::Default(), directory_, !in.read_only());
    return undone.ok() ? in.ReadAll() : undone;
}

Status DataStore::Internals::ReadAll() {
    TableRead<PortfolioRecord> portfolio_read =
        ReadRecords<PortfolioRows, PortfolioRecord>(portfolio_table, RowNumbers::Keep);
    if (!portfolio_read.status.ok()) return portfolio_read.status;
    TableRead<HoldingRecord> holding_read =
        ReadRecords<HoldingRows, HoldingRecord>(holding_table, RowNumbers::Keep);
    if (!holding_read.status.ok()) return holding_read.status;
    // The two tables hold nearly all the rows; reading touches nothing shared.
    TableRead<TransactionRecord> transaction_read;
    TableRead<ValueRecord> value_read;
    ParallelFor(2, [&](size_t table) {
        if (table == 0) {
            transaction_read = ReadRecords<TransactionRows, TransactionRecord>(transaction_table);
        } else {
            value_read = ReadRecords<ValueRows, ValueRecord>(value_table);
        }
    });
    if (!transaction_read.status.ok()) return transaction_read.status;
    if (!value_read.status.ok()) return value_read.status;
    SettingsRead settings_read = ReadSettings(settings_table);
    if (!settings_read.status.ok()) return settings_read.status;

    figure_rows[0] = RowsById(portfolio_read);
    figure_rows[1] = RowsById(holding_read);
    portfolios.Assign(std::move(portfolio_read.rows));
    holdings.Assign(std::move(holding_read.rows));
    transactions.Assign(std::move(transaction_read.rows));
    values.Assign(std::move(value_read.rows));
    settings = std::move(settings_read.settings);
    columns = std::move(settings_read.columns);
    for (const TableFile* table : Tables()) stamps_[table] = StampOf(*table);

    // Only once every table was read, so that a damaged one stops the load before any pack.
    if (read_only()) return Status::Ok();
    const std::pair<const TableFile*, bool> tables[] = {
        {&portfolio_table, portfolio_read.saw_deleted},
        {&holding_table, holding_read.saw_deleted},
        {&transaction_table, transaction_read.saw_deleted},
        {&value_table, value_read.saw_deleted},
        {&settings_table, settings_read.saw_deleted}};
    for (const auto& [table, saw_deleted] : tables) {
        if (!saw_deleted) continue;
        // A table that may not be written keeps its deleted rows, which no read shows.
        const Status packed = PackTable(*table);
        if (packed.IsPermissionDenied()) continue;
        if (!packed.ok()) return packed;
        // A pack moves rows up; the figure tables keep where each row is.
        if (table == &portfolio_table || table == &holding_table) {
            if (Status read = ReadTable(*table); !read.ok()) return read;
        }
        stamps_[table] = StampOf(*table);
    }
    return Status::Ok();
}

Status DataStore::Internals::ReadTable(const TableFile& table) {
    Status status;
    if (&table == &portfolio_table) {
        TableRead<PortfolioRecord> read =
            ReadRecords<PortfolioRows, PortfolioRecord>(table, RowNumbers::Keep);
        if (read.status.ok()) {
            figure_rows[0] = RowsById(read);
            portfolios.Assign(std::move(read.rows));
        }
        status = read.status;
    } else if (&table == &holding_table) {
        TableRead<HoldingRecord> read =
            ReadRecords<HoldingRows, HoldingRecord>(table, RowNumbers::Keep);
        if (read.status.ok()) {
            figure_rows[1] = RowsById(read);
            holdings.Assign(std::move(read.rows));
        }
        status = read.status;
    } else if (&table == &transaction_table) {
        TableRead<TransactionRecord> read = ReadRecords<TransactionRows, TransactionRecord>(table);
        if (read.status.ok()) transactions.Assign(std::move(read.rows));
        status = read.status;
    } else if (&table == &value_table) {
        TableRead<ValueRecord> read = ReadRecords<ValueRows, ValueRecord>(table);
        if (read.status.ok()) values.Assign(std::move(read.rows));
        status = read.status;
    } else {
        SettingsRead read = ReadSettings(table);
        if (read.status.ok()) {
            settings = std::move(read.settings);
            columns = std::move(read.columns);
        }
        status = read.status;
    }
    // A table that could not be read counts as changed, so the next write reads it again.
    stamps_[&table] = status.ok() ? StampOf(table) : Stamp{};
    return status;
}

std::vector<const TableFile*> DataStore::Internals::Tables() const {
    return {&portfolio_table, &holding_table, &transaction_table, &value_table, &settings_table};
}

size_t DataStore::Internals::IdKind(const TableFile& table) const {
    if (&table == &portfolio_table) return 0;
    if (&table == &holding_table) return 1;
    return &table == &transaction_table ? 2 : 3;
}

DataStore::Internals::Stamp DataStore::Internals::StampOf(const TableFile& table) const {
    FileInfo file;
    if (!FileSystem::Default().Info(table.path, &file).ok()) return {};
    return {static_cast<int64_t>(file.device), static_cast<int64_t>(file.inode),
            static_cast<int64_t>(file.size), file.change_time_ns};
}

void DataStore::SetObserver(StoreObserver* observer) { internals_->observer = observer; }

bool DataStore::IsTableFile(const std::filesystem::path& path) const {
    FileSystem& fs = FileSystem::Default();
    FileInfo file;
    if (!fs.Info(path.string(), &file).ok()) return false;
    for (const TableFile* table : internals_->Tables()) {
        FileInfo table_file;
        if (fs.Info(table->path, &table_file).ok() && table_file.device == file.device &&
            table_file.inode == file.inode)
            return true;
    }
    return false;
}

// --- Writing ---

Status DataStore::Internals::BeginWrite(std::string operation) {
    if (write) {
        ++write->depth;
        return Status::Ok();
    }
    if (read_only())
        return Status::InvalidArgument(
            BREVANTA_TEXT("Store", "The data directory is open for reading only."));
    write = std::make_unique<Writing>();
    write->hold.emplace(lock, DirectoryLock::Kind::Exclusive);
    Status status = write->hold->status();
    if (status.ok()) {
        // With the lock held nobody else writes here, so a temporary file beside a table is
        // what a killed pack or create left; failing to remove one costs only space.
        std::vector<std::string> paths;
        for (const TableFile* table : Tables()) paths.push_back(table->path);
        RemoveLeftoverTemporaries(FileSystem::Default(), paths);
        status = RollBackInterruptedChange(FileSystem::Default(), directory, true);
    }
    if (status.ok()) status = ReadChangedTables(write->reread);
    if (!status.ok()) {
        write.reset();
        return status;
    }
    write->depth = 1;
    write->largest = {portfolios.largest_id(), holdings.largest_id(), transactions.largest_id(),
                      values.largest_id()};
    fs.Begin(std::move(operation));
    return Status::Ok();
}

Status DataStore::Internals::EndWrite(const Status& outcome) {
    if (!outcome.ok() && write->failure.ok()) write->failure = outcome;
    if (--write->depth > 0) return outcome;
    const std::unique_ptr<Writing> writing = std::move(write);
    if (!writing->failure.ok()) {
        fs.Discard();
        Tell(writing->reread);
        return writing->failure;
    }
    std::vector<const TableFile*> changed;
    for (const TableFile* table : Tables()) {
        if (fs.Changed(table->path)) changed.push_back(table);
    }
    bool took_effect = false;
    const Status committed = fs.Commit(&took_effect);
    if (!took_effect) return committed;
    const Status concluded = Conclude(changed, *writing);
    return committed.ok() ? concluded : committed;
}

Status DataStore::Internals::Conclude(const std::vector<const TableFile*>& changed,
                                      Writing& writing) {
    // The change stands. A pack that fails leaves rows marked deleted, which no read shows and
    // the next load packs away.
    for (const TableFile* table : writing.packs) PackTable(*table);
    Status status;
    for (const TableFile* table : changed) {
        const Status read = ReadTable(*table);
        if (status.ok()) status = read;
    }
    writing.hold.reset();
    StoreChanges& told = writing.changes;
    told.portfolios |= writing.reread.portfolios;
    told.holdings |= writing.reread.holdings;
    told.histories.merge(writing.reread.histories);
    told.all_histories |= writing.reread.all_histories;
    told.figures |= writing.reread.figures;
    told.settings |= writing.reread.settings;
    Tell(told);
    return status;
}

void DataStore::Internals::Tell(const StoreChanges& changes) const {
    const bool any = changes.portfolios || changes.holdings || !changes.histories.empty() ||
                     changes.all_histories || changes.figures || changes.settings;
    if (any && observer) observer->StoreChanged(changes);
}

Status DataStore::Internals::ReadChangedTables(StoreChanges& changes) {
    for (const TableFile* table : Tables()) {
        if (StampOf(*table) == stamps_[table]) continue;
        if (Status status = ReadTable(*table); !status.ok()) return status;
        NoteTableChanged(*this, *table, changes);
    }
    return Status::Ok();
}

void DataStore::Internals::NoteTableChanged(const Internals& store, const TableFile& table,
                                            StoreChanges& changes) {
    if (&table == &store.portfolio_table) changes.portfolios = changes.figures = true;
    if (&table == &store.holding_table) changes.holdings = changes.figures = true;
    if (&table == &store.transaction_table || &table == &store.value_table)
        changes.all_histories = true;
    if (&table == &store.settings_table) changes.settings = true;
}

Status DataStore::Internals::DeleteRows(const char* id_field, IdNumber id,
                                        std::initializer_list<const TableFile*> tables) {
    for (const TableFile* table : tables) {
        IdentifierField field{id_field, {}};
        const StoreResult<int> deleted =
            DeleteMatchingRows(*table, field, [&](IdentifierField& f, RowReader& reader) {
                return SameIdentifier(reader, f.id, id);
            });
        if (!deleted.ok()) return deleted.status();
        if (deleted.value() > 0) PackAfterWrite(*table);
    }
    return Status::Ok();
}

void DataStore::Internals::PackAfterWrite(const TableFile& table) {
    if (std::find(write->packs.begin(), write->packs.end(), &table) == write->packs.end())
        write->packs.push_back(&table);
}

DataStore::Change::Change(DataStore& store, std::string operation)
    : store_(store), status_(store.internals_->BeginWrite(std::move(operation))) {
    ended_ = !status_.ok();
}

DataStore::Change::~Change() {
    if (!ended_)
        store_.internals_->EndWrite(
            Status::InvalidArgument(BREVANTA_TEXT("Store", "The change was dropped.")));
}

Status DataStore::Change::Commit() {
    if (ended_)
        return status_.ok()
                   ? Status::InvalidArgument(BREVANTA_TEXT("Store", "The change has ended."))
                   : status_;
    ended_ = true;
    return store_.internals_->EndWrite(Status::Ok());
}

Status PortfolioNotFound(Pid portfolio_id) {
    return Status::NotFound(
        Message(BREVANTA_TEXT("Store", "Portfolio %1 was not found."), {IdText(portfolio_id)}));
}

Status HoldingNotInPortfolio(Pid portfolio_id, Hid holding_id) {
    return Status::NotFound(Message(BREVANTA_TEXT("Store", "Investment %1 is not in portfolio %2."),
                                    {IdText(holding_id), IdText(portfolio_id)}));
}

}  // namespace brevanta
