#include <CLI/CLI.hpp>

#include "app/cli/commands.h"
#include "core/version.h"

int main(int argc, char** argv) {
    using namespace brevanta::cli;
    CLI::App app{
        "Brevanta: portfolio performance from the command line. Every command but init "
        "and demo runs in a data directory."};
    app.set_version_flag("--version", brevanta::kVersion, "Print the version and exit");
    app.require_subcommand(1);
    int exit_code = kSucceeded;
    AddInitCommand(app, exit_code);
    AddDemoCommand(app, exit_code);
    AddShowCommand(app, exit_code);
    AddPortfolioCommand(app, exit_code);
    AddInvestmentCommand(app, exit_code);
    AddTransactionCommand(app, exit_code);
    AddValueCommand(app, exit_code);
    AddCalculateCommand(app, exit_code);
    AddImportCommand(app, exit_code);
    AddExportCommand(app, exit_code);
    AddReportCommand(app, exit_code);
    AddReturnsCommand(app, exit_code);
    AddRiskCommand(app, exit_code);
    AddOptionsCommand(app, exit_code);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // --help and --version are "errors" that exit 0; CLI11's own codes for the others
        // would say nothing a script can rely on.
        return app.exit(error) == 0 ? kSucceeded : kUsageError;
    }
    return exit_code;
}
