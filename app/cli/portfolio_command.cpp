#include <iostream>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/store_calls.h"
#include "store/benchmark_choice.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

void AddPortfolioAdd(CLI::App& parent, int& exit_code) {
    auto* command = parent.add_subcommand("add", "Add a portfolio and print its identifier");
    static std::string name;
    static std::string description;
    command->add_option("--name", name, "Name of the portfolio")->required();
    command->add_option("--description", description, "Description (default: none)");
    command->callback([&exit_code] {
        exit_code = WithClaimedStore([](DataStore& store) {
            const PortfolioEntry entry{name, description};
            if (const std::optional<Refusal> refusal = CheckPortfolio(entry)) {
                return Refuse(*refusal);
            }
            const StoreResult<Pid> added =
                AddPortfolio(store, entry.name, StoredDescription(entry.description));
            if (!added.ok()) return ExitCode(added.status());
            std::cout << IdText(added.value()) << "\n";
            return kSucceeded;
        });
    });
}

void AddPortfolioRename(CLI::App& parent, int& exit_code) {
    auto* command = parent.add_subcommand("rename", "Give a portfolio a new name and description");
    static Pid portfolio_id{};
    static std::string name;
    static std::string description;
    AddIdentifierOption(*command, "--portfolio", portfolio_id, "Portfolio identifier")->required();
    command->add_option("--name", name, "New name")->required();
    auto* description_option = command->add_option(
        "--description", description, "New description (default: the description it has)");
    command->callback([&exit_code, description_option] {
        exit_code = WithClaimedStore([description_option](DataStore& store) {
            const std::optional<PortfolioRecord> portfolio = NamedPortfolio(store, portfolio_id);
            if (!portfolio) return kRefused;
            const PortfolioEntry entry{
                name, Given(description_option, description).value_or(portfolio->Description)};
            if (const std::optional<Refusal> refusal = CheckPortfolio(entry)) {
                return Refuse(*refusal);
            }
            return ExitCode(RenamePortfolio(store, portfolio->Id, entry.name,
                                            StoredDescription(entry.description)));
        });
    });
}

void AddPortfolioDelete(CLI::App& parent, int& exit_code) {
    auto* command = parent.add_subcommand(
        "delete", "Delete a portfolio with its investments, their transactions and values");
    static Pid portfolio_id{};
    AddIdentifierOption(*command, "--portfolio", portfolio_id, "Portfolio identifier")->required();
    command->callback([&exit_code] {
        exit_code = WithClaimedStore([](DataStore& store) {
            if (!NamedPortfolio(store, portfolio_id)) return kRefused;
            return ExitCode(RemovePortfolio(store, portfolio_id));
        });
    });
}

void AddPortfolioBenchmark(CLI::App& parent, int& exit_code) {
    auto* command = parent.add_subcommand(
        "benchmark", "Choose the investment the portfolio's returns are compared with, or none");
    static Pid portfolio_id{};
    static Hid holding_id{};
    static bool none = false;
    AddIdentifierOption(*command, "--portfolio", portfolio_id, "Portfolio identifier")->required();
    auto* investment = AddIdentifierOption(*command, "--investment", holding_id,
                                           "The benchmark, an investment of any portfolio");
    auto* none_flag = command->add_flag("--none", none, "No benchmark")->excludes(investment);
    command->callback([&exit_code, investment, none_flag] {
        if (!AnyGiven({investment, none_flag})) {
            exit_code = UsageError("portfolio benchmark needs --investment or --none");
            return;
        }
        exit_code = WithClaimedStore([investment](DataStore& store) {
            return ExitCode(ChooseBenchmark(store, portfolio_id, Given(investment, holding_id)));
        });
    });
}

}  // namespace

void AddPortfolioCommand(CLI::App& app, int& exit_code) {
    auto* portfolio = app.add_subcommand(
        "portfolio", "Add, rename or delete a portfolio, or choose its benchmark");
    portfolio->require_subcommand(1);
    AddPortfolioAdd(*portfolio, exit_code);
    AddPortfolioRename(*portfolio, exit_code);
    AddPortfolioDelete(*portfolio, exit_code);
    AddPortfolioBenchmark(*portfolio, exit_code);
}

}  // namespace brevanta::cli
