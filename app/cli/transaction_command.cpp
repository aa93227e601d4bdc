#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/delete_subcommand.h"
#include "app/cli/store_calls.h"
#include "core/date_series.h"
#include "core/float_text.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

constexpr const char* kDateHelp = "Date, M/D/YYYY or YYYY-MM-DD, after the inception";
constexpr const char* kTypeHelp =
    "CC (Cash Contribution), DI (Dividend/Distribution Reinvested) or WI (Withdrawal)";
constexpr const char* kAmountHelp =
    "Amount above 0, with '.' as the decimal point and no grouping; the type gives the "
    "direction";

void AddTransactionAdd(CLI::App& parent, int& exit_code) {
    auto* command = parent.add_subcommand(
        "add",
        "Add a transaction to an investment, or a series of them (stored all or none), and "
        "print the new identifiers");
    static Hid holding_id{};
    static std::string date;
    static std::string type;
    static std::string amount;
    static std::string description;
    static RepeatPeriod period = RepeatPeriod::Year;
    static std::string periods;
    AddIdentifierOption(*command, "--investment", holding_id, "Investment identifier")->required();
    command->add_option("--date", date, kDateHelp)->type_name("DATE")->required();
    command->add_option("--type", type, kTypeHelp)->type_name("CODE")->required();
    command->add_option("--amount", amount, kAmountHelp)->type_name("AMOUNT")->required();
    command->add_option("--description", description, "Description (default: none)");
    auto* repeat_option =
        command
            ->add_option("--repeat", period,
                         "year, quarter or month: repeat every period from the date, each day "
                         "cut to the month's end where the month is shorter")
            ->transform(CLI::CheckedTransformer(
                std::map<std::string, RepeatPeriod>{{"year", RepeatPeriod::Year},
                                                    {"quarter", RepeatPeriod::Quarter},
                                                    {"month", RepeatPeriod::Month}}))
            ->type_name("PERIOD");
    auto* periods_option =
        command->add_option("--periods", periods, "Number of transactions in the series, 1 to 100")
            ->type_name("N");
    repeat_option->needs(periods_option);
    periods_option->needs(repeat_option);
    command->callback([&exit_code, periods_option] {
        exit_code = WithClaimedStore([periods_option](DataStore& store) {
            const std::optional<HoldingRecord> holding = NamedInvestment(store, holding_id);
            if (!holding) return kRefused;
            const TransactionEntry entry{.date = ParseDateArgument(date),
                                         .type = type,
                                         .amount = amount,
                                         .description = description,
                                         .periods = Given(periods_option, periods),
                                         .period = period};
            const Checked<TransactionValues> checked =
                CheckTransaction(entry, *holding, Locale::EnUs());
            if (checked.refusal) return Refuse(*checked.refusal);
            const StoreResult<std::vector<Tid>> added =
                AddTransactions(store, TransactionSeriesOf(*holding, entry, checked.value));
            if (!added.ok()) return ExitCode(added.status());
            for (Tid id : added.value()) std::cout << IdText(id) << "\n";
            return kSucceeded;
        });
    });
}

void AddTransactionModify(CLI::App& parent, int& exit_code) {
    auto* command =
        parent.add_subcommand("modify", "Change a transaction's date, type, amount or description");
    static Tid transaction_id{};
    static std::string date;
    static std::string type;
    static std::string amount;
    static std::string description;
    AddIdentifierOption(*command, "--transaction", transaction_id, "Transaction identifier")
        ->required();
    auto* date_option = command->add_option("--date", date, kDateHelp)->type_name("DATE");
    auto* type_option = command->add_option("--type", type, kTypeHelp)->type_name("CODE");
    auto* amount_option = command->add_option("--amount", amount, kAmountHelp)->type_name("AMOUNT");
    auto* description_option = command->add_option("--description", description, "New description");
    command->callback([&exit_code, date_option, type_option, amount_option, description_option] {
        if (!AnyGiven({date_option, type_option, amount_option, description_option})) {
            exit_code =
                UsageError("transaction modify needs --date, --type, --amount or --description");
            return;
        }
        exit_code = WithClaimedStore([&](DataStore& store) {
            const std::optional<TransactionRecord> changed =
                NamedTransaction(store, transaction_id);
            if (!changed) return kRefused;
            const std::optional<HoldingRecord> holding = NamedInvestment(store, changed->HoldingId);
            if (!holding) return kRefused;
            // What is not given stays as it is, as the dialog shows it.
            const TransactionEntry entry{
                .date = date_option->count() > 0 ? ParseDateArgument(date) : changed->Date,
                .type = Given(type_option, type).value_or(changed->Type),
                .amount = Given(amount_option, amount).value_or(FloatToText(changed->Amount)),
                .description =
                    Given(description_option, description).value_or(changed->Description),
                .periods = std::nullopt};
            const Checked<TransactionValues> checked =
                CheckTransaction(entry, *holding, Locale::EnUs());
            if (checked.refusal) return Refuse(*checked.refusal);
            TransactionRecord record = TransactionRecordOf(*holding, entry, checked.value.amount);
            record.Id = changed->Id;
            return ExitCode(ChangeTransaction(store, record));
        });
    });
}

}  // namespace

void AddTransactionCommand(CLI::App& app, int& exit_code) {
    auto* transaction =
        app.add_subcommand("transaction", "Add, change or delete an investment's transactions");
    transaction->require_subcommand(1);
    AddTransactionAdd(*transaction, exit_code);
    AddTransactionModify(*transaction, exit_code);
    AddDeleteSubcommand(*transaction, exit_code, "--transaction",
                        "Delete transactions: all that are named, or none when one is missing",
                        &NamedTransaction, &RemoveTransactions);
}

}  // namespace brevanta::cli
