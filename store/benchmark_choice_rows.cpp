#include "store/benchmark_choice_rows.h"

#include <algorithm>
#include <string>

#include "store/benchmark_choice.h"
#include "store/data_store_internals.h"
#include "store/table_rows.h"

namespace brevanta {

namespace {

bool IsChoiceKey(const std::string& key) { return key.starts_with(BenchmarkKeyPrefix); }

// Rewrites the Val1 of every choice row for which `new_value(key, chosen)` gives a text. The
// rows are read from the table, not the lists, so that earlier writes of the same change count.
template <typename NewValue>
Status RewriteChoices(DataStore::Internals& internals, NewValue new_value) {
    // With no choice stored when the write began and sys.dbf not written since, there is none:
    // the table is not even opened, so directories without a benchmark are written as before.
    const bool may_hold_choices =
        internals.fs.Changed(internals.settings_table.path) ||
        std::any_of(internals.settings.begin(), internals.settings.end(),
                    [](const SettingRecord& row) { return IsChoiceKey(row.Key); });
    if (!may_hold_choices) return Status::Ok();
    SettingRows fields;
    const StoreResult<int> changed =
        VisitRows(internals.settings_table, Locking::None, fields,
                  [&](SettingRows& f, RowReader& reader, RowWriter& writer) {
                      const std::string key = reader.Text(f.key);
                      if (!IsChoiceKey(key)) return false;
                      const std::optional<std::string> value =
                          new_value(key, ChosenBenchmark(reader.Text(f.values[0])));
                      if (!value) return false;
                      writer.Text(f.values[0], *value);
                      return true;
                  });
    if (!changed.ok()) return changed.status();
    if (changed.value() > 0) internals.changes().settings = true;
    return Status::Ok();
}

}  // namespace

Status RetargetBenchmarkChoices(DataStore::Internals& internals, Hid from, std::optional<Hid> to) {
    return RewriteChoices(internals, [&](const std::string&, std::optional<Hid> chosen) {
        return chosen == from ? std::optional(to ? IdText(*to) : "") : std::nullopt;
    });
}

Status ClearBenchmarkChoicesOf(DataStore::Internals& internals, Pid portfolio_id) {
    const std::string own_key = BenchmarkKey(portfolio_id);
    return RewriteChoices(
        internals,
        [&](const std::string& key, std::optional<Hid> chosen) -> std::optional<std::string> {
            const bool cleared =
                chosen && (key == own_key || internals.holdings.FindIn(portfolio_id, *chosen));
            return cleared ? std::optional<std::string>("") : std::nullopt;
        });
}

}  // namespace brevanta
