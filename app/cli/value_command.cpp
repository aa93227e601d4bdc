#include <iostream>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/delete_subcommand.h"
#include "app/cli/store_calls.h"
#include "core/float_text.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

constexpr const char* kDateHelp = "Date, M/D/YYYY or YYYY-MM-DD, after the inception";
constexpr const char* kValueHelp =
    "Market value above 0, with '.' as the decimal point and no grouping";

void AddValueAdd(CLI::App& parent, int& exit_code) {
    auto* command = parent.add_subcommand(
        "add", "Record an investment's market value on a date and print its identifier");
    static Hid holding_id{};
    static std::string date;
    static std::string amount;
    AddIdentifierOption(*command, "--investment", holding_id, "Investment identifier")->required();
    command->add_option("--date", date, kDateHelp)->type_name("DATE")->required();
    command->add_option("--value", amount, kValueHelp)->type_name("AMOUNT")->required();
    command->callback([&exit_code] {
        exit_code = WithClaimedStore([](DataStore& store) {
            const std::optional<HoldingRecord> holding = NamedInvestment(store, holding_id);
            if (!holding) return kRefused;
            const ValueEntry entry{ParseDateArgument(date), amount};
            const Checked<double> checked = CheckValue(entry, *holding, Locale::EnUs());
            if (checked.refusal) return Refuse(*checked.refusal);
            const StoreResult<Vid> added =
                AddValue(store, ValueRecordOf(*holding, entry, checked.value));
            if (!added.ok()) return ExitCode(added.status());
            std::cout << IdText(added.value()) << "\n";
            return kSucceeded;
        });
    });
}

void AddValueModify(CLI::App& parent, int& exit_code) {
    auto* command =
        parent.add_subcommand("modify", "Change the date or the amount of a historical value");
    static Vid value_id{};
    static std::string date;
    static std::string amount;
    AddIdentifierOption(*command, "--value", value_id, "Historical value identifier")->required();
    auto* date_option = command->add_option("--date", date, kDateHelp)->type_name("DATE");
    auto* amount_option = command->add_option("--amount", amount, kValueHelp)->type_name("AMOUNT");
    command->callback([&exit_code, date_option, amount_option] {
        if (!AnyGiven({date_option, amount_option})) {
            exit_code = UsageError("value modify needs --date or --amount");
            return;
        }
        exit_code = WithClaimedStore([&](DataStore& store) {
            const std::optional<ValueRecord> changed = NamedValue(store, value_id);
            if (!changed) return kRefused;
            const std::optional<HoldingRecord> holding = NamedInvestment(store, changed->HoldingId);
            if (!holding) return kRefused;
            // What is not given stays as it is, as the dialog shows it.
            const ValueEntry entry{
                date_option->count() > 0 ? ParseDateArgument(date) : changed->Date,
                Given(amount_option, amount).value_or(FloatToText(changed->Value))};
            const Checked<double> checked = CheckValue(entry, *holding, Locale::EnUs());
            if (checked.refusal) return Refuse(*checked.refusal);
            ValueRecord record = ValueRecordOf(*holding, entry, checked.value);
            record.Id = changed->Id;
            return ExitCode(ChangeValue(store, record));
        });
    });
}

}  // namespace

void AddValueCommand(CLI::App& app, int& exit_code) {
    auto* value =
        app.add_subcommand("value", "Add, change or delete an investment's historical values");
    value->require_subcommand(1);
    AddValueAdd(*value, exit_code);
    AddValueModify(*value, exit_code);
    AddDeleteSubcommand(*value, exit_code, "--value",
                        "Delete historical values: all that are named, or none when one is "
                        "missing",
                        &NamedValue, &RemoveValues);
}

}  // namespace brevanta::cli
