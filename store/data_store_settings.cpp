// The settings and list-column rows of sys.dbf.
#include <algorithm>

#include "store/data_store.h"
#include "store/data_store_lists.h"
#include "store/table_rows.h"

namespace brevanta {

namespace {

template <typename Record>
std::optional<Record> FirstWith(const std::vector<Record>& list, const std::string& text,
                                std::string Record::*member) {
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const Record& record) { return record.*member == text; });
    if (found == list.end()) return std::nullopt;
    return *found;
}

std::vector<ColumnRecord> ColumnsShown(const std::vector<ColumnRecord>& columns, bool shown) {
    std::vector<ColumnRecord> list;
    std::copy_if(columns.begin(), columns.end(), std::back_inserter(list),
                 [&](const ColumnRecord& column) { return (column.Visible != 0) == shown; });
    return list;
}

}  // namespace

Status DataStore::LoadSettings() {
    const DirectoryLock::Hold hold(lock_, LoadKind());
    if (!hold.status().ok()) return Loaded(hold.status());
    std::vector<SettingRecord> rows;
    SettingRows fields;
    bool deleted = false;
    Status status = ReadEveryRow(
        settings_table_, fields, [&](SettingRows& f, RowReader& r) { rows.push_back(f.Read(r)); },
        &deleted);
    if (status.ok()) status = PackAfterReading(settings_table_, deleted);
    if (!status.ok()) rows.clear();
    lists_->settings = std::move(rows);
    return Loaded(std::move(status));
}

Status DataStore::LoadColumns() {
    const DirectoryLock::Hold hold(lock_, LoadKind());
    if (!hold.status().ok()) return Loaded(hold.status());
    std::vector<ColumnRecord> rows;
    SettingRows fields;
    bool deleted = false;
    Status status = ReadEveryRow(
        settings_table_, fields,
        [&](SettingRows& f, RowReader& r) {
            if (r.Text(f.key) != ColumnKey) return;
            ColumnRecord column;
            column.Name = r.Text(f.values[0]);
            column.Visible = r.Integer(f.values[1]);
            column.Width = r.Integer(f.values[2]);
            column.Position = r.Integer(f.values[3]);
            rows.push_back(std::move(column));
        },
        &deleted);
    if (status.ok()) status = PackAfterReading(settings_table_, deleted);
    if (!status.ok()) rows.clear();
    std::stable_sort(rows.begin(), rows.end(), [](const ColumnRecord& a, const ColumnRecord& b) {
        return a.Position < b.Position;
    });
    lists_->columns = std::move(rows);
    return Loaded(std::move(status));
}

std::optional<SettingRecord> DataStore::FindSetting(const std::string& key) const {
    return FirstWith(lists_->settings, key, &SettingRecord::Key);
}

StoreResult<int> DataStore::UpdateSetting(const SettingRecord& record) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    const Status storable = StorableTexts({record.Val1, record.Val2, record.Val3, record.Val4});
    if (!storable.ok()) return storable;
    SettingRows fields;
    const StoreResult<int> changed =
        VisitRows(settings_table_, Locking::None, fields,
                  [&](SettingRows& f, RowReader& reader, RowWriter& writer) {
                      if (reader.Text(f.key) != record.Key) return false;
                      f.WriteValues(writer, record);
                      return true;
                  });
    if (!changed.ok()) return changed;
    const Status reloaded = LoadSettings();
    if (!reloaded.ok()) return reloaded;
    return changed;
}

Status DataStore::StoreSetting(const SettingRecord& record) {
    const StoreResult<int> updated = UpdateSetting(record);
    if (!updated.ok()) return updated.status();
    if (updated.value() > 0) return Status::Ok();
    const Status added = AppendOneRow<SettingRows>(
        settings_table_, AppendStart::Here, [&](const SettingRows& f, RowWriter& writer) {
            writer.Text(f.key, record.Key);
            f.WriteValues(writer, record);
            writer.DateOf(f.date1, NoDate);  // a blank date would fail the next load
        });
    if (!added.ok()) return added;
    return LoadSettings();
}

std::vector<ColumnRecord> DataStore::VisibleColumns() const {
    return ColumnsShown(lists_->columns, true);
}

std::vector<ColumnRecord> DataStore::HiddenColumns() const {
    return ColumnsShown(lists_->columns, false);
}

std::optional<ColumnRecord> DataStore::FindColumn(const std::string& name) const {
    return FirstWith(lists_->columns, name, &ColumnRecord::Name);
}

StoreResult<int> DataStore::UpdateColumn(const std::string& name, const ColumnRecord& record) {
    const Writing writing(*this);
    if (!writing.refusal.ok()) return writing.refusal;
    SettingRows fields;
    const StoreResult<int> changed =
        VisitRows(settings_table_, Locking::None, fields,
                  [&](SettingRows& f, RowReader& reader, RowWriter& writer) {
                      if (reader.Text(f.key) != ColumnKey || reader.Text(f.values[0]) != name)
                          return false;
                      f.WriteColumn(writer, record);
                      return true;
                  });
    if (!changed.ok()) return changed;
    const Status reloaded = LoadColumns();
    if (!reloaded.ok()) return reloaded;
    return changed;
}

bool DataStore::AuditLoggingOn() const {
    const std::optional<SettingRecord> setting = FindSetting(LogAuditKey);
    return setting && setting->Val1 != "0";
}

int DataStore::NumberOfDecimals() const {
    const std::optional<SettingRecord> setting = FindSetting(NumDecKey);
    if (!setting || setting->Val1.size() != 1) return 2;
    const char digit = setting->Val1[0];
    return digit >= '0' && digit <= '6' ? digit - '0' : 2;
}

}  // namespace brevanta
