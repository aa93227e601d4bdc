#pragma once

#include <CLI/CLI.hpp>

namespace brevanta {
class DataStore;
class Status;
}  // namespace brevanta

namespace brevanta::cli {

// Loads the store; prints why to stderr and returns false when it cannot.
bool LoadStore(DataStore& store);
// Prints an engine's result message (to stderr on failure); returns the exit code.
int ReportEngineResult(const Status& status, const std::string& message);

// Each command adds its subcommand to the app; the callback sets the process exit code.
void AddInitCommand(CLI::App& app, int& exit_code);
void AddDemoCommand(CLI::App& app, int& exit_code);
void AddShowCommand(CLI::App& app, int& exit_code);
void AddCalculateCommand(CLI::App& app, int& exit_code);
void AddImportCommand(CLI::App& app, int& exit_code);
void AddExportCommand(CLI::App& app, int& exit_code);
void AddReportCommand(CLI::App& app, int& exit_code);

}  // namespace brevanta::cli
