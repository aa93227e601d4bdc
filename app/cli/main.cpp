#include <CLI/CLI.hpp>

#include "app/cli/commands.h"

int main(int argc, char** argv) {
    CLI::App app{"Brevanta: portfolio performance from the command line"};
    app.require_subcommand(1);
    int exit_code = 0;
    brevanta::cli::AddInitCommand(app, exit_code);
    brevanta::cli::AddDemoCommand(app, exit_code);
    brevanta::cli::AddShowCommand(app, exit_code);
    brevanta::cli::AddCalculateCommand(app, exit_code);
    brevanta::cli::AddImportCommand(app, exit_code);
    brevanta::cli::AddExportCommand(app, exit_code);
    brevanta::cli::AddReportCommand(app, exit_code);
    brevanta::cli::AddReturnsCommand(app, exit_code);
    brevanta::cli::AddRiskCommand(app, exit_code);
    CLI11_PARSE(app, argc, argv);
    return exit_code;
}
