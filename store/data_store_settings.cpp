// The settings and list-column rows of sys.dbf.
#include <algorithm>

#include "store/data_store_internals.h"
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

std::optional<SettingRecord> DataStore::Settings::FindSetting(const std::string& key) const {
    return FirstWith(internals_.settings, key, &SettingRecord::Key);
}

StoreResult<int> DataStore::Settings::UpdateSetting(const std::string& key,
                                                    const SettingChanges& changes) {
    return internals_.Write("changing the settings", [&]() -> StoreResult<int> {
        const Status storable =
            StorableTexts({changes.Val1.value_or(""), changes.Val2.value_or(""),
                           changes.Val3.value_or(""), changes.Val4.value_or("")});
        if (!storable.ok()) return storable;
        SettingRows fields;
        const StoreResult<int> changed =
            VisitRows(internals_.settings_table, Locking::None, fields,
                      [&](SettingRows& f, RowReader& reader, RowWriter& writer) {
                          if (reader.Text(f.key) != key) return false;
                          f.WriteValues(writer, changes);
                          return true;
                      });
        if (changed.ok() && changed.value() > 0) internals_.changes().settings = true;
        return changed;
    });
}

Status DataStore::Settings::StoreSetting(const std::string& key, const SettingChanges& changes) {
    return internals_.Write("changing the settings", [&]() -> Status {
        const StoreResult<int> updated = UpdateSetting(key, changes);
        if (!updated.ok() || updated.value() > 0) return updated.status();
        internals_.changes().settings = true;
        return AppendOneRow<SettingRows>(
            internals_.settings_table, AppendStart::Here,
            [&](const SettingRows& f, RowWriter& writer) {
                writer.Text(f.key, key);
                f.WriteValues(writer, changes);
                writer.DateOf(f.date1, NoDate);  // a blank date would fail the next load
            });
    });
}

std::vector<ColumnRecord> DataStore::Settings::VisibleColumns() const {
    return ColumnsShown(internals_.columns, true);
}

std::vector<ColumnRecord> DataStore::Settings::HiddenColumns() const {
    return ColumnsShown(internals_.columns, false);
}

std::optional<ColumnRecord> DataStore::Settings::FindColumn(const std::string& name) const {
    return FirstWith(internals_.columns, name, &ColumnRecord::Name);
}

StoreResult<int> DataStore::Settings::UpdateColumn(const std::string& name,
                                                   const ColumnChanges& changes) {
    return internals_.Write("changing the list columns", [&]() -> StoreResult<int> {
        SettingRows fields;
        const StoreResult<int> changed =
            VisitRows(internals_.settings_table, Locking::None, fields,
                      [&](SettingRows& f, RowReader& reader, RowWriter& writer) {
                          if (reader.Text(f.key) != ColumnKey || reader.Text(f.values[0]) != name)
                              return false;
                          f.WriteColumn(writer, changes);
                          return true;
                      });
        if (changed.ok() && changed.value() > 0) internals_.changes().settings = true;
        return changed;
    });
}

bool DataStore::Settings::AuditLoggingOn() const {
    const std::optional<SettingRecord> setting = FindSetting(LogAuditKey);
    return setting && setting->Val1 != "0";
}

int DataStore::Settings::NumberOfDecimals() const {
    const std::optional<SettingRecord> setting = FindSetting(NumDecKey);
    if (!setting || setting->Val1.size() != 1) return 2;
    const char digit = setting->Val1[0];
    return digit >= '0' && digit <= '6' ? digit - '0' : 2;
}

}  // namespace brevanta
