#include "store/column_choice.h"

#include <algorithm>
#include <optional>

#include "store/data_store.h"

namespace brevanta {

namespace {

Status StoreColumn(DataStore& store, const std::string& name, int32_t visible,
                   std::optional<int32_t> position) {
    if (!store.settings().FindColumn(name)) return Status::Ok();
    return store.settings().UpdateColumn(name, {visible, std::nullopt, position}).status();
}

}  // namespace

bool ColumnChoiceChanged(const std::vector<ColumnRecord>& visible,
                         const std::vector<std::string>& shown) {
    return !std::equal(
        visible.begin(), visible.end(), shown.begin(), shown.end(),
        [](const ColumnRecord& column, const std::string& name) { return column.Name == name; });
}

Status StoreColumnChoice(DataStore& store, const ColumnChoice& choice) {
    DataStore::Change change(store, "changing the list columns");
    if (!change.status().ok()) return change.status();
    for (const std::string& name : choice.hidden) {
        if (Status stored = StoreColumn(store, name, 0, std::nullopt); !stored.ok()) {
            return stored;
        }
    }
    for (size_t i = 0; i < choice.shown.size(); ++i) {
        const Status stored = StoreColumn(store, choice.shown[i], 1, static_cast<int32_t>(i));
        if (!stored.ok()) return stored;
    }
    return change.Commit();
}

}  // namespace brevanta
