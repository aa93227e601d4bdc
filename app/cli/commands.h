#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/date.h"
#include "store/entry_checks.h"

namespace brevanta {
class DataStore;
class Status;
}  // namespace brevanta

namespace brevanta::cli {

// Exit codes: success (also --help and --version), a refusal or failure (said on standard
// error), a usage error (said by the parser, or by a command whose options do not fit).
inline constexpr int kSucceeded = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsageError = 2;

// Loads the store of the current directory for reading only and runs `run` on it; returns
// run's exit code, or 1 (having said why) when the store cannot be loaded.
int WithReadOnlyStore(const std::function<int(DataStore&)>& run);
// The same for a command that writes: it first claims the directory, waiting up to 10 seconds
// for another writing command, and refusing at once while the desktop application has it.
int WithClaimedStore(const std::function<int(DataStore&)>& run);
// Prints an engine's result message (to stderr on failure); returns the exit code.
int ReportEngineResult(const Status& status, const std::string& message);

// The message with each "\r\n" or "\n\r" pair as one line break, as a terminal shows it.
std::string PlainLines(std::string_view message);
// Says the message, as plain lines, on stderr; returns kRefused.
int Refuse(std::string_view message);
int Refuse(const Refusal& refusal);
// kSucceeded, or kRefused after saying why the operation failed.
int ExitCode(const Status& status);
// Says why the options do not fit on stderr; returns kUsageError.
int UsageError(std::string_view message);

// A date given on the command line, M/D/YYYY or YYYY-MM-DD whatever the locale; nullopt when
// it is neither or names no real day.
std::optional<Date> ParseDateArgument(const std::string& text);
// A --date option's date; otherwise says so on stderr.
std::optional<Date> DateOption(const std::string& text);
// A --risk-free option's yearly rate in percent, above -100; otherwise says so on stderr.
std::optional<double> RiskFreeOption(const std::string& text);
// Transforms an identifier option's text into a plain decimal whole number, or refuses it.
const CLI::Validator& DecimalIdentifier();
// Adds an option that reads an identifier (or, into a vector, repeated identifiers) as a plain
// decimal whole number within 64 bits: "010" is 10, and other forms or too large a number are
// refused.
template <typename Value>
CLI::Option* AddIdentifierOption(CLI::App& command, const std::string& name, Value& value,
                                 const std::string& description) {
    return command.add_option(name, value, description)
        ->transform(DecimalIdentifier())
        ->type_name("INT");
}
// The option's value when it was given.
template <typename Value>
std::optional<Value> Given(const CLI::Option* option, const Value& value) {
    return option->count() > 0 ? std::optional(value) : std::nullopt;
}

// Whether any of the options was given.
inline bool AnyGiven(std::initializer_list<const CLI::Option*> options) {
    for (const CLI::Option* option : options) {
        if (option->count() > 0) return true;
    }
    return false;
}

// Each command adds its subcommand to the app; the callback sets the process exit code.
void AddInitCommand(CLI::App& app, int& exit_code);
void AddDemoCommand(CLI::App& app, int& exit_code);
void AddShowCommand(CLI::App& app, int& exit_code);
void AddCalculateCommand(CLI::App& app, int& exit_code);
void AddImportCommand(CLI::App& app, int& exit_code);
void AddExportCommand(CLI::App& app, int& exit_code);
void AddReportCommand(CLI::App& app, int& exit_code);
void AddReturnsCommand(CLI::App& app, int& exit_code);
void AddPortfolioCommand(CLI::App& app, int& exit_code);
void AddInvestmentCommand(CLI::App& app, int& exit_code);
void AddTransactionCommand(CLI::App& app, int& exit_code);
void AddValueCommand(CLI::App& app, int& exit_code);
void AddOptionsCommand(CLI::App& app, int& exit_code);
void AddRiskCommand(CLI::App& app, int& exit_code);

}  // namespace brevanta::cli
