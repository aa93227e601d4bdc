#include <iostream>
#include <memory>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/store_calls.h"
#include "core/float_text.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

constexpr const char* kInceptionHelp = "Inception date, M/D/YYYY or YYYY-MM-DD";
constexpr const char* kInitialHelp =
    "Initial amount, with '.' as the decimal point and no grouping";

void AddInvestmentAdd(CLI::App& parent, int& exit_code) {
    auto* command =
        parent.add_subcommand("add", "Add an investment to a portfolio and print its identifier");
    static Pid portfolio_id{};
    static std::string name;
    static std::string description;
    static std::string inception;
    static std::string initial;
    AddIdentifierOption(*command, "--portfolio", portfolio_id, "Portfolio identifier")->required();
    command->add_option("--name", name, "Name of the investment")->required();
    command->add_option("--description", description, "Description (default: none)");
    command->add_option("--inception", inception, kInceptionHelp)->type_name("DATE")->required();
    command->add_option("--initial", initial, kInitialHelp)->type_name("AMOUNT")->required();
    command->callback([&exit_code] {
        exit_code = WithClaimedStore([](DataStore& store) {
            if (!NamedPortfolio(store, portfolio_id)) return kRefused;
            const InvestmentEntry entry{.name = name,
                                        .description = description,
                                        .inception = ParseDateArgument(inception),
                                        .initial_amount = initial};
            const Checked<double> amount = CheckNewInvestment(entry, Locale::EnUs());
            if (amount.refusal) return Refuse(*amount.refusal);
            const StoreResult<Hid> added =
                AddInvestment(store, NewHoldingRecord(portfolio_id, entry, amount.value));
            if (!added.ok()) return ExitCode(added.status());
            std::cout << IdText(added.value()) << "\n";
            return kSucceeded;
        });
    });
}

void AddInvestmentModify(CLI::App& parent, int& exit_code) {
    auto* command = parent.add_subcommand(
        "modify", "Change an investment's name, description, inception date or initial amount");
    static Hid holding_id{};
    static std::string name;
    static std::string description;
    static std::string inception;
    static std::string initial;
    AddIdentifierOption(*command, "--investment", holding_id, "Investment identifier")->required();
    auto* name_option = command->add_option("--name", name, "New name");
    auto* description_option = command->add_option("--description", description, "New description");
    auto* inception_option =
        command
            ->add_option(
                "--inception", inception,
                std::string(kInceptionHelp) + "; it must precede the first transaction and value")
            ->type_name("DATE");
    auto* initial_option =
        command->add_option("--initial", initial, kInitialHelp)->type_name("AMOUNT");
    command->callback([&exit_code, name_option, description_option, inception_option,
                       initial_option] {
        if (!AnyGiven({name_option, description_option, inception_option, initial_option})) {
            exit_code = UsageError(
                "investment modify needs --name, --description, --inception or --initial");
            return;
        }
        exit_code = WithClaimedStore([&](DataStore& store) {
            const std::optional<HoldingRecord> holding = NamedInvestment(store, holding_id);
            if (!holding) return kRefused;
            // What is not given stays as it is, as the detail window shows it.
            const InvestmentEntry entry{
                .name = Given(name_option, name).value_or(holding->Name),
                .description =
                    Given(description_option, description).value_or(holding->Description),
                .inception = inception_option->count() > 0 ? ParseDateArgument(inception)
                                                           : holding->InceptionDate,
                .initial_amount =
                    Given(initial_option, initial).value_or(FloatToText(holding->InitialAmount))};
            const Checked<double> amount = CheckInvestmentChange(
                entry, *holding, HistoryStartOf(store, holding->Id), Locale::EnUs());
            if (amount.refusal) return Refuse(*amount.refusal);
            HoldingRecord changed = *holding;
            changed.Name = entry.name;
            changed.Description = entry.description;
            changed.InceptionDate = *entry.inception;
            changed.InitialAmount = amount.value;
            return ExitCode(ChangeInvestment(store, changed));
        });
    });
}

void AddInvestmentDelete(CLI::App& parent, int& exit_code) {
    auto* command = parent.add_subcommand(
        "delete", "Delete an investment with its transactions and historical values");
    static Hid holding_id{};
    AddIdentifierOption(*command, "--investment", holding_id, "Investment identifier")->required();
    command->callback([&exit_code] {
        exit_code = WithClaimedStore([](DataStore& store) {
            if (!NamedInvestment(store, holding_id)) return kRefused;
            return ExitCode(RemoveInvestment(store, holding_id));
        });
    });
}

// move and copy: the same options, each subcommand with its own.
void AddInvestmentTransfer(CLI::App& parent, int& exit_code, Transfer transfer) {
    const bool move = transfer == Transfer::Move;
    auto* command = parent.add_subcommand(
        move ? "move" : "copy",
        move ? "Move an investment with its figures and history into another portfolio and "
               "print its new identifier (its transactions and values get new ones too)"
             : "Copy an investment with its figures and history into another portfolio and "
               "print the copy's identifier");
    struct Options {
        Hid holding_id{};
        Pid portfolio_id{};
    };
    auto options = std::make_shared<Options>();
    AddIdentifierOption(*command, "--investment", options->holding_id, "Investment identifier")
        ->required();
    AddIdentifierOption(*command, "--to", options->portfolio_id, "Identifier of the portfolio")
        ->required();
    command->callback([&exit_code, options, transfer] {
        exit_code = WithClaimedStore([&](DataStore& store) {
            const std::optional<HoldingRecord> holding =
                NamedInvestment(store, options->holding_id);
            if (!holding || !NamedPortfolio(store, options->portfolio_id)) return kRefused;
            if (holding->PortfolioId == options->portfolio_id) {
                return Refuse("Investment " + IdText(holding->Id) + " is already in portfolio " +
                              IdText(options->portfolio_id) + ".");
            }
            const StoreResult<Hid> placed =
                TransferInvestment(store, holding->Id, options->portfolio_id, transfer);
            if (!placed.ok()) return ExitCode(placed.status());
            std::cout << IdText(placed.value()) << "\n";
            return kSucceeded;
        });
    });
}

}  // namespace

void AddInvestmentCommand(CLI::App& app, int& exit_code) {
    auto* investment =
        app.add_subcommand("investment", "Add, change, delete, move or copy an investment");
    investment->require_subcommand(1);
    AddInvestmentAdd(*investment, exit_code);
    AddInvestmentModify(*investment, exit_code);
    AddInvestmentDelete(*investment, exit_code);
    AddInvestmentTransfer(*investment, exit_code, Transfer::Move);
    AddInvestmentTransfer(*investment, exit_code, Transfer::Copy);
}

}  // namespace brevanta::cli
