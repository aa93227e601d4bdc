#include "store/column_choice.h"

#include <algorithm>

#include "store/data_store.h"

namespace brevanta {

namespace {

Status StoreColumn(DataStore& store, const std::string& name, int32_t visible, int32_t position) {
    if (!store.FindColumn(name)) return Status::Ok();
    ColumnRecord update;
    update.Visible = visible;
    update.Position = position;
    return store.UpdateColumn(name, update).status();
}

}  // namespace

bool ColumnChoiceChanged(const std::vector<ColumnRecord>& visible,
                         const std::vector<std::string>& shown) {
    return !std::equal(
        visible.begin(), visible.end(), shown.begin(), shown.end(),
        [](const ColumnRecord& column, const std::string& name) { return column.Name == name; });
}

Status StoreColumnChoice(DataStore& store, const ColumnChoice& choice) {
    for (const std::string& name : choice.hidden) {
        if (Status stored = StoreColumn(store, name, 0, UnchangedNumber); !stored.ok()) {
            return stored;
        }
    }
    for (size_t i = 0; i < choice.shown.size(); ++i) {
        const Status stored = StoreColumn(store, choice.shown[i], 1, static_cast<int32_t>(i));
        if (!stored.ok()) return stored;
    }
    return Status::Ok();
}

}  // namespace brevanta
