#pragma once

#include <CLI/CLI.hpp>

namespace brevanta::cli {

// Each command adds its subcommand to the app; the callback sets the process exit code.
void AddInitCommand(CLI::App& app, int& exit_code);
void AddDemoCommand(CLI::App& app, int& exit_code);
void AddShowCommand(CLI::App& app, int& exit_code);
void AddCalculateCommand(CLI::App& app, int& exit_code);

}  // namespace brevanta::cli
